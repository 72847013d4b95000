// CStartCopyPage: see start_copy_page.h. The installation itself is install_actions.cpp.
#include "start_copy_page.h"

#include "install_actions.h"
#include "resource.h"
#include "setup_app.h"
#include "setup_sheet.h"

IMPLEMENT_DYNCREATE(CStartCopyPage, CWizardPage)

CStartCopyPage::CStartCopyPage() : CWizardPage(IDD_START_COPY) {}

void CStartCopyPage::DoDataExchange(CDataExchange* dx) {
    CWizardPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_SUBTITLE, m_staticSubtitle);
    DDX_Control(dx, IDC_PROGRESS, m_progress);
    DDX_Control(dx, IDC_TITLE, m_staticTitle);
}

BOOL CStartCopyPage::OnSetActive() {
    BOOL result = CWizardPage::OnSetActive();
    m_progress.ShowWindow(SW_HIDE);
    return result;
}

LRESULT CStartCopyPage::OnWizardBack() { return CWizardPage::OnWizardBack(); }

LRESULT CStartCopyPage::OnWizardNext() {
    CSetupSheet* sheet = GetSetupSheet(this);
    m_staticTitle.SetWindowText("Setup status");
    m_staticSubtitle.SetWindowText("Installing Whirlmark... please wait");
    m_progress.ShowWindow(SW_SHOWNORMAL);
    product::StepLog log([](const std::string& line) { SetupLog().Write(line); });
    g_nExitCode = RunInstall(*sheet, m_progress, log);
    if (!log.Failures().empty())
        sheet->m_pageComplete.SetResult(
            "Installation incomplete",
            "Setup could not finish installing Whirlmark. Run Setup again, or Uninstall to remove what was installed.",
            ("These steps failed:\r\n" + product::FailureList(log.Failures())).c_str());
    sheet->SetActivePage(&sheet->m_pageComplete);
    return CWizardPage::OnWizardNext();
}
