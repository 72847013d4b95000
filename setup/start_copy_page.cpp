// CStartCopyPage: see start_copy_page.h. The installation itself is install_actions.cpp.
#include "start_copy_page.h"

#include "install_actions.h"
#include "resource.h"
#include "setup_app.h"
#include "setup_sheet.h"

IMPLEMENT_DYNCREATE(CStartCopyPage, CProgressPage)

CStartCopyPage::CStartCopyPage() : CProgressPage(IDD_START_COPY) {}

LRESULT CStartCopyPage::OnWizardNext() {
    CSetupSheet* sheet = GetSetupSheet(this);
    ShowWorking("Installing Whirlmark... please wait");
    product::StepLog log([](const std::string& line) { SetupLog().Write(line); });
    g_nExitCode = RunInstall(*sheet, m_progress, log);
    if (!log.Failures().empty())
        sheet->m_pageComplete.SetResult(
            "Installation incomplete",
            "Setup could not finish installing Whirlmark. Run Setup again, or Uninstall to remove what was installed.",
            ("These steps failed:\r\n" + product::FailureList(log.Failures())).c_str());
    sheet->SetActivePage(&sheet->m_pageComplete);
    return CProgressPage::OnWizardNext();
}
