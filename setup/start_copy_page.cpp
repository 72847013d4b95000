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
    product::ChangeOutcome outcome;
    g_nExitCode = RunInstall(*sheet, m_progress, log, outcome);
    if (!outcome.done)
        sheet->m_pageComplete.SetResult(
            "Installation failed",
            outcome.notUndone.empty()
                ? "Setup could not install Whirlmark and left your computer as it was."
                : "Setup could not install Whirlmark, and some of its changes could not be undone.",
            product::FailureSummary(outcome).c_str());
    else if (outcome.restartNeeded)
        sheet->m_pageComplete.SetResult("Installation complete", "Whirlmark has been installed.",
                                        "Windows must be restarted to finish the installation: a file in use is "
                                        "replaced when Windows next restarts.");
    sheet->SetActivePage(&sheet->m_pageComplete);
    return CProgressPage::OnWizardNext();
}
