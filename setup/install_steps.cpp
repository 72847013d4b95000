// Win32 side of the install: the facts the change list depends on, and the list carried
// out on this machine.
#include "install_steps.h"

#include "ansi_code_page.h"
#include "folder_paths.h"
#include "install_changes.h"
#include "install_layout.h"
#include "install_journal.h"
#include "install_machine.h"
#include "journalled_machine.h"
#include "registry_key.h"
#include "restart_schedule.h"
#include "uninstall_entry.h"
#include "wizard_options.h"

#include <windows.h>

namespace setup {

namespace {

bool IsFolder(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = "";
    DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

// Whether `name` is one of the files Setup puts in the install folder, or a copy it
// makes beside one.
bool IsProductFileName(const std::string& name) {
    for (const char* file :
         {layout::kUninstaller, layout::kLicense, layout::kReadme, product::kRecordFile, product::kJournalFile})
        for (const char* suffix : {"", layout::kNewCopySuffix, layout::kAsideSuffix})
            if (product::SamePath(name, std::string(file) + suffix, product::IsAnsiLeadByte)) return true;
    return false;
}

// The install folder's levels that a Setup stopped before its record was written made:
// without a record, holding nothing but the product's files and the next level, which
// is such a level too. Deepest first.
std::vector<std::string> LeftByAStoppedSetup(const InstallPlan& plan) {
    std::vector<std::string> levels;
    std::string inner;  // the level below, when it is one
    for (auto it = plan.installFolders.rbegin(); it != plan.installFolders.rend(); ++it) {
        if (!IsFolder(*it)) {
            if (levels.empty()) continue;  // the deeper levels were never made
            break;
        }
        if (GetFileAttributesA((*it + "\\" + product::kRecordFile).c_str()) != INVALID_FILE_ATTRIBUTES) break;
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((*it + "\\*").c_str(), &data);
        bool only = true;
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name == "." || name == "..") continue;
                const bool next = !inner.empty() && product::SamePath(*it + "\\" + name, inner, product::IsAnsiLeadByte);
                only = only && (next || (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && inner.empty() &&
                                         IsProductFileName(name)));
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        if (!only) break;
        levels.push_back(*it);
        inner = *it;
    }
    return levels;
}

MachineFacts FactsFor(const InstallPlan& plan, const InstallContext& context) {
    MachineFacts facts;
    facts.isLeadByte = product::IsAnsiLeadByte;
    facts.folderExists = IsFolder;
    const std::vector<std::string> stopped = LeftByAStoppedSetup(plan);
    facts.leftOver = [stopped](const std::string& level) {
        for (const std::string& s : stopped)
            if (product::SamePath(s, level, product::IsAnsiLeadByte)) return true;
        return product::RemovalScheduled(level);
    };
    facts.keyExists = [](const std::string& key) {
        const bool machine = key.compare(0, 4, "HKLM") == 0;
        return static_cast<bool>(
            RegistryKey::Open(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, key.substr(5).c_str()));
    };
    // Opening for a new subkey changes nothing; it tells whether the machine's entry can be written.
    facts.machineWideEntry = static_cast<bool>(
        RegistryKey::Open(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", KEY_CREATE_SUB_KEY));
    char entry[MAX_PATH] = "";
    GetPrivateProfileStringA(layout::kIniSection, layout::kIniKey, "", entry, MAX_PATH, layout::kIniFile);
    facts.saverEntry = entry;
    const std::string installed = plan.programFiles.empty() ? plan.saverPath : plan.programFiles[0].destination;
    const std::string shortForm = ShortForm(installed);
    facts.entryIsOurs = facts.saverEntry.size() > 0 &&
                        (product::SamePath(facts.saverEntry, installed, product::IsAnsiLeadByte) ||
                         (!shortForm.empty() && product::SamePath(facts.saverEntry, shortForm, product::IsAnsiLeadByte)));
    facts.saverActive = ScreenSaverSwitchedOn();
    facts.entryMissing = !SaverEntryExists();
    facts.sectionMissing = !BootSectionExists();
    facts.switchMissing = !ScreenSaverSwitchStored();
    facts.previous = context.previous;
    facts.displayVersion = context.displayVersion;
    facts.installedBytes = context.installedBytes;
    facts.productLink = context.productLink;
    return facts;
}

// The box the user sees for the change that failed.
std::string ErrorFor(const product::Change& change) {
    switch (change.kind) {
    case product::ChangeKind::CopyFrom: return "Error while copying to " + change.target;
    case product::ChangeKind::MakeKey:
    case product::ChangeKind::SetText:
    case product::ChangeKind::SetNumber: return "error writing to registry";
    default: return std::string();
    }
}

}  // namespace

product::ChangeOutcome CarryOutInstall(const InstallPlan& plan, InstallFeedback& feedback, product::StepLog& log,
                                       const InstallContext& context) {
    const InstallChanges list = MakeInstallChanges(plan, FactsFor(plan, context));
    feedback.SetProgress(0);
    JournalledMachine machine(InstallMachine(), plan.installDir);
    product::ChangeOutcome outcome =
        product::CarryOut(list.changes, machine, log, [&](int position) { feedback.SetProgress(position); });
    machine.Close();
    if (outcome.done) {
        feedback.SetProgress(100);
        if (outcome.restartNeeded) log.Note("note    Windows must be restarted to finish the installation");
        return outcome;
    }
    for (const product::Change& change : list.changes) {
        if (product::Describe(change) != outcome.failed) continue;
        const std::string error = ErrorFor(change);
        if (!error.empty()) feedback.ReportError(error);
        break;
    }
    std::string summary = product::FailureSummary(outcome);
    for (std::size_t at = 0; at < summary.size();) {
        std::size_t end = summary.find("\r\n", at);
        if (end == std::string::npos) end = summary.size();
        log.Note("result  " + summary.substr(at, end - at));
        at = end + 2;
    }
    return outcome;
}

product::ChangeOutcome CarryOutInstall(const InstallPlan& plan, InstallFeedback& feedback) {
    product::StepLog log;
    return CarryOutInstall(plan, feedback, log);
}

int InstallExitCode(const product::ChangeOutcome& outcome) {
    if (!outcome.done) return product::kExitFailed;
    return outcome.restartNeeded ? product::kExitRestartNeeded : product::kExitDone;
}

InstallPlan PlanForThisMachine(const InstallChoices& choices) {
    return MakeInstallPlan(choices, product::IsAnsiLeadByte);
}

}  // namespace setup
