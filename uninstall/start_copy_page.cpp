// CStartCopyPage of Uninstall: see start_copy_page.h. The removal itself is
// removal_steps.cpp; the sheet supplies the locations.
#include "start_copy_page.h"

#include "resource.h"
#include "uninstall_app.h"
#include "uninstall_run.h"
#include "uninstall_sheet.h"

IMPLEMENT_DYNCREATE(CStartCopyPage, CWizardPage)

namespace {

class BarFeedback : public uninstall::RemovalFeedback {
public:
    explicit BarFeedback(CProgressCtrl& bar) : m_bar(bar) {}
    void SetProgress(int position) override { m_bar.SetPos(position); }

private:
    CProgressCtrl& m_bar;
};

}  // namespace

CStartCopyPage::CStartCopyPage() : CWizardPage(IDD_START_COPY) {}

void CStartCopyPage::DoDataExchange(CDataExchange* dx) {
    CWizardPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_SUBTITLE, m_staticSubtitle);
    DDX_Control(dx, IDC_PROGRESS, m_progress);
    DDX_Control(dx, IDC_TITLE, m_staticTitle);
}

BOOL CStartCopyPage::OnSetActive() {
    BOOL result = CWizardPage::OnSetActive();
    // The first page: there is nothing to go back to.
    GetUninstallSheet(this)->EnableBack(FALSE);
    m_progress.ShowWindow(SW_HIDE);
    return result;
}

LRESULT CStartCopyPage::OnWizardBack() { return CWizardPage::OnWizardBack(); }

LRESULT CStartCopyPage::OnWizardNext() {
    CSetupSheet* sheet = GetUninstallSheet(this);
    m_staticTitle.SetWindowText("Setup status");
    m_staticSubtitle.SetWindowText("Removing Whirlmark... please wait");
    m_progress.ShowWindow(SW_SHOWNORMAL);

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
    else if (outcome.restartPending)
        sheet->m_pageComplete.SetResult("Uninstall complete", "Whirlmark has been removed from your system.",
                                        restart.c_str());

    sheet->SetActivePage(&sheet->m_pageComplete);
    return CWizardPage::OnWizardNext();
}
