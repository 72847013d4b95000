// The installation that Next on the start-copy page runs: the sheet's choices become an
// install plan, carried out with the page's progress bar and the framework's boxes.
#include "install_actions.h"

#include "install_steps.h"
#include "setup_sheet.h"

namespace {

class PageFeedback : public setup::InstallFeedback {
public:
    explicit PageFeedback(CProgressCtrl& bar) : m_bar(bar) {}
    void SetProgress(int position) override { m_bar.SetPos(position); }
    void ReportError(const std::string& text) override { AfxMessageBox(text.c_str(), MB_OK); }

private:
    CProgressCtrl& m_bar;
};

}  // namespace

void RunInstall(CSetupSheet& sheet, CProgressCtrl& progress) {
    setup::InstallChoices choices;
    choices.sourceDir = AfxGetModuleFolder().c_str();
    choices.systemDir = sheet.GetSystemDir().c_str();
    choices.installDir = sheet.GetInstallDir().c_str();
    choices.programFolder = sheet.GetProgramFolder().c_str();
    choices.defaultSaver = sheet.GetDefaultSaver() != 0;
    PageFeedback feedback(progress);
    setup::CarryOutInstall(setup::PlanForThisMachine(choices), feedback);
}
