// CStartCopyPage of Uninstall: see start_copy_page.h. The removal itself is
// removal_steps.cpp; the sheet supplies the locations.
#include "start_copy_page.h"

#include "removal_steps.h"
#include "resource.h"
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

    uninstall::RemovalInputs inputs;
    inputs.systemDir = sheet->GetSystemDir().c_str();
    inputs.installDir = sheet->GetInstallDir().c_str();
    inputs.programFolder = sheet->GetProgramFolder().c_str();
    BarFeedback feedback(m_progress);
    uninstall::CarryOutRemoval(uninstall::MakeRemovalPlan(inputs), feedback);

    sheet->SetActivePage(&sheet->m_pageComplete);
    return CWizardPage::OnWizardNext();
}
