// CWizardPage: what every page of both wizards shares. It paints the side picture on
// WM_PAINT and starts each activation the same way.
#pragma once

#include "property_sheet.h"
#include "wizard_ids.h"
#include "wizard_sheet.h"

class CWizardPage : public CPropertyPage {
    DECLARE_DYNAMIC(CWizardPage)
public:
    explicit CWizardPage(UINT templateId) : CPropertyPage(templateId) {}

    // The common start of an activation: the base OnSetActive, then the sheet's title
    // font on IDC_TITLE, with redraw. Returns the base result; pages add their own
    // steps after it.
    BOOL OnSetActive() override;

    // The sheet this page belongs to.
    CWizardSheet* GetWizardSheet() const { return static_cast<CWizardSheet*>(GetSheet()); }

protected:
    // WM_PAINT: copies the sheet's side picture, loaded anew with CreateMappedBitmap,
    // to the page at (0, 0), 200 x 340 pixels.
    void DrawSideBitmap();

    DECLARE_MESSAGE_MAP()
};
