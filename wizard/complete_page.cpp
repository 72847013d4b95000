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
    if (m_bResult) {
        ::SetDlgItemTextA(m_hWnd, IDC_TITLE, m_strTitle);
        ::SetDlgItemTextA(m_hWnd, IDC_SUBTITLE, m_strSubtitle);
        ::SetDlgItemTextA(m_hWnd, IDC_COMPLETE_DETAILS, m_strDetails);
    }
    return result;
}

void CCompletePage::SetResult(const CString& title, const CString& subtitle, const CString& details) {
    m_bResult = true;
    m_strTitle = title;
    m_strSubtitle = subtitle;
    m_strDetails = details;
}

BOOL CCompletePage::OnWizardFinish() {
    BOOL result = CWizardPage::OnWizardFinish();
    CWizardSheet* sheet = GetWizardSheet();
    if (sheet) sheet->EndDialog(IDOK);
    return result;
}
