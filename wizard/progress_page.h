// CProgressPage: a page whose Next does the wizard's work with a progress bar
// (IDC_PROGRESS) below its title and subtitle; the start-copy page of both wizards.
#pragma once

#include "wizard_page.h"

class CProgressPage : public CWizardPage {
    DECLARE_DYNAMIC(CProgressPage)
public:
    explicit CProgressPage(UINT templateId) : CWizardPage(templateId) {}

    // Common start; the progress bar stays hidden until the work begins.
    BOOL OnSetActive() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // The work begins: the title reads "Setup status", the subtitle `status`, and the
    // bar shows.
    void ShowWorking(const char* status);

    CStatic m_staticSubtitle;
    CProgressCtrl m_progress;
    CStatic m_staticTitle;
};
