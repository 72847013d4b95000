// CProgressPage: see progress_page.h.
#include "progress_page.h"

IMPLEMENT_DYNAMIC(CProgressPage, CWizardPage)

void CProgressPage::DoDataExchange(CDataExchange* dx) {
    CWizardPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_SUBTITLE, m_staticSubtitle);
    DDX_Control(dx, IDC_PROGRESS, m_progress);
    DDX_Control(dx, IDC_TITLE, m_staticTitle);
}

BOOL CProgressPage::OnSetActive() {
    BOOL result = CWizardPage::OnSetActive();
    m_progress.ShowWindow(SW_HIDE);
    return result;
}

void CProgressPage::ShowWorking(const char* status) {
    m_staticTitle.SetWindowText("Setup status");
    m_staticSubtitle.SetWindowText(status);
    m_progress.ShowWindow(SW_SHOWNORMAL);
}
