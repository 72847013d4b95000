// The removal, from the wizard or unattended; see uninstall_run.h.
#include "uninstall_run.h"

#include <windows.h>

#include "ansi_code_page.h"
#include "folder_paths.h"
#include "install_layout.h"
#include "system_folder.h"

namespace uninstall {

namespace {

class QuietFeedback : public RemovalFeedback {
public:
    void SetProgress(int) override {}
};

// The folders a record may name the saver in: the one Setup installs it into (SysWOW64
// under WOW64) first, then the system folder.
std::vector<std::string> SaverFolders() {
    return {SaverSystemFolder().c_str(), SystemFolder().c_str()};
}

std::string SelfPath() {
    char path[MAX_PATH] = "";
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string();
}

}  // namespace

std::string ModuleFolder() {
    const std::string self = SelfPath();
    return self.substr(0, product::LastSlash(self, product::IsAnsiLeadByte) + 1);
}

int RunRemoval(const InstallLocation& where, RemovalFeedback& feedback, product::StepLog& log,
               RemovalOutcome& outcome) {
    const std::vector<std::string> saverFolders = SaverFolders();
    Removal removal;
    removal.selfPath = SelfPath();
    if (where.record) {
        removal.steps = MakeRecordedRemoval(*where.record, where.installDir, saverFolders, product::IsAnsiLeadByte);
        removal.record = &*where.record;
        removal.recordFile = where.installDir + product::kRecordFile;
        removal.saverForEntry =
            MakeRecordedRemoval(*where.record, where.installDir, saverFolders, product::IsAnsiLeadByte).plan.saverFile;
        if (removal.saverForEntry.empty()) {
            // Not ours to delete, but the entry may still name it.
            product::InstallRecord all = *where.record;
            all.SetCreated(product::Item::Saver);
            removal.saverForEntry =
                MakeRecordedRemoval(all, where.installDir, saverFolders, product::IsAnsiLeadByte).plan.saverFile;
        }
    } else {
        RemovalInputs in{saverFolders.front(), where.installDir, where.programFolder};
        removal.steps.plan = MakeRemovalPlan(in, product::IsAnsiLeadByte);
        removal.saverForEntry = removal.steps.plan.saverFile;
    }
    outcome = CarryOutRemoval(removal, feedback, log);
    if (log.ExitCode() != product::kExitDone) return log.ExitCode();
    return outcome.filesInUse ? product::kExitRestartNeeded : product::kExitDone;
}

std::string RestartNote(const RemovalOutcome& outcome) {
    if (outcome.filesInUse)
        return "Windows must be restarted to finish the removal: files in use are removed when Windows next restarts.";
    if (!outcome.restartPending) return std::string();
    return outcome.folderPending ? "Uninstall.exe and its folder are removed when Windows next restarts."
                                 : "Uninstall.exe is removed when Windows next restarts.";
}

int RunUnattendedUninstall(product::LogFile& file) {
    product::StepLog log([&](const std::string& line) { file.Write(line); });
    const InstallLocation where = FindInstallLocation(ModuleFolder());
    if (where.installDir.empty() && !where.record) {
        log.Note("refused no install of Whirlmark was found");
        return product::kExitRefused;
    }
    QuietFeedback feedback;
    RemovalOutcome outcome;
    int code = RunRemoval(where, feedback, log, outcome);
    if (!RestartNote(outcome).empty()) log.Note("note    " + RestartNote(outcome));
    return code;
}

}  // namespace uninstall
