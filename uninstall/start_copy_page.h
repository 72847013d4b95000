// CStartCopyPage of Uninstall: welcomes the user; its Next removes the product and then
// shows the completion page.
#pragma once

#include "framework.h"

class CStartCopyPage : public CWizardPage {
    DECLARE_DYNCREATE(CStartCopyPage)
public:
    CStartCopyPage();
    // Common start; Back disabled and the progress bar hidden.
    BOOL OnSetActive() override;
    // Shows the status texts and the bar, removes the product, makes the completion page
    // active. Returns the base result.
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    CStatic m_staticSubtitle;
    CProgressCtrl m_progress;
    CStatic m_staticTitle;
};
