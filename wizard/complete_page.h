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

    // Texts to show instead of the template's when the page becomes active: the title,
    // the subtitle and the details line below them (what failed, what is left to do).
    void SetResult(const CString& title, const CString& subtitle, const CString& details);

protected:
    void DoDataExchange(CDataExchange* dx) override;

    CStatic m_staticTitle;

private:
    bool m_bResult = false;
    CString m_strTitle, m_strSubtitle, m_strDetails;
};
