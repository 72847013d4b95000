// CCompletePage: the last page of both wizards (template IDD_COMPLETE, whose texts
// each program supplies). Its Finish button reads "Close" and ends the wizard.
#pragma once

#include "wizard_page.h"

class CCompletePage : public CWizardPage {
    DECLARE_DYNCREATE(CCompletePage)
public:
    CCompletePage() : CWizardPage(IDD_COMPLETE) {}

    // Common start, then Back and Next give way to a Finish button captioned "Close".
    BOOL OnSetActive() override;
    // Ends the wizard (the sheet's EndDialog with IDOK).
    BOOL OnWizardFinish() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

    CStatic m_staticTitle;
};
