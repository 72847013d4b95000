// The installation: the choices become an install plan, carried out with the page's
// progress bar and the framework's boxes, or quietly in an unattended run.
#include "install_actions.h"

#include "ansi_code_page.h"
#include "destination_checks.h"
#include "folder_paths.h"
#include "journalled_machine.h"
#include "previous_install.h"
#include "setup_sheet.h"
#include "version_file.h"

#ifndef WHIRL_PRODUCT_URL
#error "WHIRL_PRODUCT_URL is set by the build"
#endif

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

std::string OwnVersion() {
    char path[MAX_PATH] = "";
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string version = n > 0 && n < MAX_PATH ? product::FileVersion(path) : std::string();
    return version.empty() ? "1.0.0.1" : version;
}

int InstallWith(const setup::InstallChoices& choices, setup::InstallFeedback& feedback, product::StepLog& log,
                product::ChangeOutcome* outcome) {
    // A Setup that was stopped part-way, here or where the installation is, is undone
    // first; then the record here, or else that of the installation this one moves.
    std::optional<setup::PreviousInstall> earlier = setup::FindPreviousInstall();
    setup::UndoInterruptedInstall(choices.installDir, log);
    if (earlier && !product::SamePath(earlier->folder, choices.installDir, product::IsAnsiLeadByte))
        setup::UndoInterruptedInstall(earlier->folder, log);
    earlier = setup::FindPreviousInstall();
    std::optional<product::InstallRecord> previous = setup::ReadRecordIn(choices.installDir);
    if (!previous && earlier) previous = earlier->record;
    setup::InstallContext context;
    context.previous = previous ? &*previous : nullptr;
    context.displayVersion = OwnVersion();
    setup::MediumSizes sizes = setup::MeasureMedium(choices.sourceDir);
    context.installedBytes = sizes.saver + sizes.others;
    context.productLink = WHIRL_PRODUCT_URL;
    const setup::InstallPlan plan = setup::PlanForThisMachine(choices);
    product::ChangeOutcome result = setup::CarryOutInstall(plan, feedback, log, context);
    if (result.done) setup::FinishOverPrevious(plan, earlier, log);
    if (outcome) *outcome = result;
    return setup::InstallExitCode(result);
}

int RunInstall(CSetupSheet& sheet, CProgressCtrl& progress, product::StepLog& log, product::ChangeOutcome& outcome) {
    setup::InstallChoices choices;
    choices.sourceDir = AfxGetModuleFolder().c_str();
    choices.systemDir = sheet.GetSystemDir().c_str();
    choices.installDir = sheet.GetInstallDir().c_str();
    choices.programFolder = sheet.GetProgramFolder().c_str();
    choices.defaultSaver = sheet.GetDefaultSaver() != 0;
    PageFeedback feedback(progress);
    return InstallWith(choices, feedback, log, &outcome);
}
