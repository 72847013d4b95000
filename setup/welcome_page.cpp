// CWelcomePage: see welcome_page.h.
#include "welcome_page.h"

#include "resource.h"
#include "setup_sheet.h"

IMPLEMENT_DYNCREATE(CWelcomePage, CWizardPage)

CWelcomePage::CWelcomePage() : CWizardPage(IDD_WELCOME) {}

void CWelcomePage::DoDataExchange(CDataExchange* dx) {
    CWizardPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_TITLE, m_staticTitle);
}

BOOL CWelcomePage::OnSetActive() {
    BOOL result = CWizardPage::OnSetActive();
    CSetupSheet* sheet = GetSetupSheet(this);
    sheet->EnableBack(FALSE);
    sheet->SetNextText("&Next");
    sheet->SetCancelText("&Cancel");
    return result;
}

LRESULT CWelcomePage::OnWizardNext() { return CWizardPage::OnWizardNext(); }
