// CStartCopyPage of Uninstall: see start_copy_page.h. The removal itself is
// removal_steps.cpp; the sheet supplies the locations.
#include "start_copy_page.h"

#include "resource.h"
#include "uninstall_app.h"
#include "uninstall_run.h"
#include "uninstall_sheet.h"

IMPLEMENT_DYNCREATE(CStartCopyPage, CProgressPage)

namespace {

class BarFeedback : public uninstall::RemovalFeedback {
public:
    explicit BarFeedback(CProgressCtrl& bar) : m_bar(bar) {}
    void SetProgress(int position) override { m_bar.SetPos(position); }

private:
    CProgressCtrl& m_bar;
};

}  // namespace

CStartCopyPage::CStartCopyPage() : CProgressPage(IDD_START_COPY) {}

BOOL CStartCopyPage::OnSetActive() {
    BOOL result = CProgressPage::OnSetActive();
    // The first page: there is nothing to go back to.
    GetUninstallSheet(this)->EnableBack(FALSE);
    return result;
}

LRESULT CStartCopyPage::OnWizardNext() {
    CSetupSheet* sheet = GetUninstallSheet(this);
    ShowWorking("Removing Whirlmark... please wait");

    BarFeedback feedback(m_progress);
    product::StepLog log([](const std::string& line) { UninstallLog().Write(line); });
    uninstall::RemovalOutcome outcome;
    g_nExitCode = uninstall::RunRemoval(sheet->GetLocation(), feedback, log, outcome);
    const std::string restart = uninstall::RestartNote(outcome);
    if (!log.Failures().empty())
        sheet->m_pageComplete.SetResult(
            "Uninstall incomplete", "Whirlmark could not be removed completely.",
            ("These steps failed:\r\n" + product::FailureList(log.Failures()) +
             (restart.empty() ? std::string() : "\r\n" + restart))
                .c_str());
    else if (!restart.empty())
        sheet->m_pageComplete.SetResult("Uninstall complete", "Whirlmark has been removed from your system.",
                                        restart.c_str());

    sheet->SetActivePage(&sheet->m_pageComplete);
    return CProgressPage::OnWizardNext();
}
