// CWizardSheet: what the sheets of Setup and Uninstall share. A wizard-mode property
// sheet with the bold title font of the pages, the side picture's resource id, the
// button operations the pages use, no visible Help button, and an end without
// questions on OK and Cancel (and so on Escape).
#pragma once

#include "ansi_string.h"
#include "gdi.h"
#include "property_sheet.h"

// Wizard button ids, children of the sheet window.
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025

class CWizardSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CWizardSheet)
public:
    // `sideBitmapId` names the program's side-picture bitmap resource.
    CWizardSheet(const char* caption, CWnd* parent, UINT selectPage, UINT sideBitmapId);

    // The bold font of every page's title line.
    CFont* GetTitleFont() { return &m_fontTitle; }
    UINT GetSideBitmapId() const { return m_nSideBitmapId; }

    // Enable or caption the sheet's buttons directly; each does nothing when the button
    // window does not exist.
    void EnableBack(BOOL enable);
    void EnableNext(BOOL enable);
    void SetNextText(const CString& text);
    void SetCancelText(const CString& text);

    // Hides and disables the Help button.
    BOOL OnInitDialog() override;

protected:
    void OnOK();
    void OnCancel();

    CFont m_fontTitle;

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nSideBitmapId;
};
