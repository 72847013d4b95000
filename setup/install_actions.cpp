// The installation: the choices become an install plan, carried out with the page's
// progress bar and the framework's boxes, or quietly in an unattended run.
#include "install_actions.h"

#include <vector>

#include "destination_checks.h"
#include "setup_sheet.h"

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
    DWORD handle = 0;
    DWORD size = n > 0 && n < MAX_PATH ? ::GetFileVersionInfoSizeA(path, &handle) : 0;
    std::vector<char> block(size ? size : 1);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!size || !::GetFileVersionInfoA(path, 0, size, block.data()) ||
        !::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info)
        return "1.0.0.1";
    char text[48];
    wsprintfA(text, "%u.%u.%u.%u", HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
              HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
    return text;
}

int InstallWith(const setup::InstallChoices& choices, setup::InstallFeedback& feedback, product::StepLog& log) {
    const std::optional<product::InstallRecord> previous = setup::ReadRecordIn(choices.installDir);
    setup::InstallContext context;
    context.previous = previous ? &*previous : nullptr;
    context.displayVersion = OwnVersion();
    setup::MediumSizes sizes = setup::MeasureMedium(choices.sourceDir);
    context.installedBytes = sizes.saver + sizes.others;
    context.productLink = WHIRL_PRODUCT_URL;
    setup::CarryOutInstall(setup::PlanForThisMachine(choices), feedback, log, context);
    return log.ExitCode();
}

int RunInstall(CSetupSheet& sheet, CProgressCtrl& progress, product::StepLog& log) {
    setup::InstallChoices choices;
    choices.sourceDir = AfxGetModuleFolder().c_str();
    choices.systemDir = sheet.GetSystemDir().c_str();
    choices.installDir = sheet.GetInstallDir().c_str();
    choices.programFolder = sheet.GetProgramFolder().c_str();
    choices.defaultSaver = sheet.GetDefaultSaver() != 0;
    PageFeedback feedback(progress);
    return InstallWith(choices, feedback, log);
}
