// CCompletePage: see complete_page.h.
#include "complete_page.h"

IMPLEMENT_DYNCREATE(CCompletePage, CWizardPage)

void CCompletePage::DoDataExchange(CDataExchange* dx) {
    CWizardPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_TITLE, m_staticTitle);
}

BOOL CCompletePage::OnSetActive() {
    BOOL result = CWizardPage::OnSetActive();
    CWizardSheet* sheet = GetWizardSheet();
    if (sheet) sheet->SendMessage(PSM_SETFINISHTEXTA, 0, reinterpret_cast<LPARAM>("Close"));
    return result;
}

BOOL CCompletePage::OnWizardFinish() {
    BOOL result = CWizardPage::OnWizardFinish();
    CWizardSheet* sheet = GetWizardSheet();
    if (sheet) sheet->EndDialog(IDOK);
    return result;
}
