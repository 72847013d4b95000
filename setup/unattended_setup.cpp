// Setup.exe /S; see unattended_setup.h.
#include "unattended_setup.h"

#include <windows.h>
#include <shlobj.h>

#include "ansi_code_page.h"
#include "destination_checks.h"
#include "folder_paths.h"
#include "install_actions.h"
#include "system_folder.h"

namespace {

class QuietFeedback : public setup::InstallFeedback {
public:
    void SetProgress(int) override {}
    void ReportError(const std::string&) override {}  // the step log has it
};

std::string ModuleFolder() {
    char path[MAX_PATH] = "";
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, n < MAX_PATH ? n : 0);
    return full.substr(0, product::LastSlash(full, product::IsAnsiLeadByte) + 1);
}

}  // namespace

std::string FindProgramsFolder(int platform) {
    char path[MAX_PATH] = "";
    PIDLIST_ABSOLUTE list = nullptr;
    int folder = platform == VER_PLATFORM_WIN32_NT ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, folder, &list)) && list) {
        if (!SHGetPathFromIDListA(list, path)) path[0] = '\0';
        CoTaskMemFree(list);
    }
    return path;
}

int RunUnattendedSetup(const product::WizardOptions& options, product::LogFile& file) {
    product::StepLog log([&](const std::string& line) { file.Write(line); });
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);

    setup::InstallChoices choices;
    choices.sourceDir = ModuleFolder();
    choices.systemDir = SaverSystemFolder().c_str();  // SysWOW64 under WOW64
    choices.installDir = options.destination.empty() ? kDefaultInstallDir
                                                     : product::WithSlash(options.destination, product::IsAnsiLeadByte);
    const std::string programs = FindProgramsFolder(static_cast<int>(version.dwPlatformId));
    choices.programFolder =
        programs.empty() ? std::string() : product::WithSlash(programs, product::IsAnsiLeadByte) + "Whirlmark\\";
    choices.defaultSaver = true;

    std::string refusal = setup::DestinationPathProblem(choices.installDir);
    if (refusal.empty()) {
        std::string drive = setup::ShortOfSpace(choices.sourceDir, choices.systemDir, choices.installDir);
        if (!drive.empty()) refusal = "not enough free space on drive " + drive;
    }
    if (refusal.empty()) {
        std::string foreign = setup::ForeignInDestination(choices.sourceDir, choices.systemDir, choices.installDir);
        if (foreign.empty()) foreign = setup::ForeignInProgramFolder(choices.installDir, choices.programFolder);
        if (!foreign.empty()) refusal = foreign + " is in the way and was not installed by Whirlmark Setup";
    }
    if (!refusal.empty()) {
        log.Note("refused " + refusal + " (" + choices.installDir + ")");
        return product::kExitRefused;
    }
    QuietFeedback feedback;
    return InstallWith(choices, feedback, log);
}
