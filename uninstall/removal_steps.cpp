// Win32 side of the removal: each step with its system calls.
#include "removal_steps.h"

#include "ansi_code_page.h"
#include "folder_paths.h"
#include "install_journal.h"
#include "install_layout.h"
#include "restart_schedule.h"
#include "uninstall_entry.h"
#include "uninstall_entry_key.h"

#include <windows.h>

namespace uninstall {

namespace {

struct Run {
    const Removal& removal;
    product::StepLog& log;
    RemovalOutcome outcome;
    std::vector<std::string> scheduled;  // files that go at the next restart
};

bool Gone(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = "";
    DWORD n = path.empty() ? 0 : GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

using product::ScheduleRemoval;

bool InUse(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED; }

void DeleteOne(Run& run, const std::string& file) {
    if (file.empty()) return;
    if (!run.removal.selfPath.empty() && product::SamePath(file, run.removal.selfPath, product::IsAnsiLeadByte)) {
        if (run.log.Step(ScheduleRemoval(file), "remove " + file + " at the next restart")) {
            run.outcome.restartPending = true;
            run.scheduled.push_back(file);
        }
        return;
    }
    // What a Setup that was stopped part-way may have left beside the file.
    for (const char* suffix : {layout::kNewCopySuffix, layout::kAsideSuffix}) {
        const std::string left = file + suffix;
        SetFileAttributesA(left.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (DeleteFileA(left.c_str())) run.log.Step(true, "delete " + left);
    }
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileA(file.c_str()) || Gone(GetLastError())) {
        run.log.Step(true, "delete " + file);
        return;
    }
    // A file in use (the saver shown in Display Properties) goes at the next restart.
    if (InUse(GetLastError()) && ScheduleRemoval(file)) {
        run.log.Step(true, "remove " + file + " at the next restart: it is in use");
        run.outcome.filesInUse = true;
        run.scheduled.push_back(file);
        return;
    }
    run.log.Step(false, "delete " + file);
}

bool IsScheduled(const Run& run, const std::string& path) {
    for (const std::string& s : run.scheduled)
        if (product::SamePath(s, path, product::IsAnsiLeadByte)) return true;
    return false;
}

// Whether `folder` holds nothing but files that go at the next restart, and some.
bool HoldsOnlyScheduled(const Run& run, const std::string& folder) {
    WIN32_FIND_DATAA data;
    const std::string inside = product::WithSlash(folder, product::IsAnsiLeadByte);
    HANDLE find = FindFirstFileA((inside + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool only = true, seen = false;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (IsScheduled(run, inside + name))
            seen = true;
        else
            only = false;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return only && seen;
}

void RemoveFolder(Run& run, const std::string& folder) {
    if (folder.empty()) return;
    if (RemoveDirectoryA(folder.c_str()) || Gone(GetLastError())) {
        run.log.Step(true, "remove folder " + folder);
        return;
    }
    if (HoldsOnlyScheduled(run, folder)) {
        if (run.log.Step(ScheduleRemoval(folder), "remove folder " + folder + " at the next restart"))
            run.outcome.folderPending = true;
        return;
    }
    DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        run.log.Note("kept    folder " + folder + ": it holds files that Setup did not install");
    else
        run.log.Step(false, "remove folder " + folder);
}

void RemoveFiles(Run& run, RemovalFeedback& feedback) {
    const RemovalPlan& plan = run.removal.steps.plan;
    feedback.SetProgress(0);
    DeleteOne(run, plan.saverFile);
    feedback.SetProgress(30);
    for (const std::string& file : plan.installFiles) DeleteOne(run, file);
    feedback.SetProgress(90);
}

// The install folder and the levels above it that Setup made.
void RemoveInstallFolder(Run& run) {
    RemoveFolder(run, run.removal.steps.plan.installFolder);
    for (const std::string& level : run.removal.steps.installParents) RemoveFolder(run, level);
}

// Whether `key` has subkeys (or, with `orValues`, values); true when that cannot be told.
bool HoldsAnything(HKEY key, bool orValues) {
    DWORD subkeys = 0, values = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return true;
    return subkeys > 0 || (orValues && values > 0);
}

// Deletes `parent`\`subkey` when it holds no subkeys (nor values, with `orValues`):
// the Windows 95 family would delete a whole subtree. True when it is gone, was never
// there, or stays because it holds something else.
bool DeleteEmptySubkey(Run& run, HKEY root, const std::string& parent, const std::string& subkey, bool orValues) {
    const std::string path = parent + "\\" + subkey;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return true;
    bool holds = HoldsAnything(key, orValues);
    RegCloseKey(key);
    if (holds) {
        run.log.Note("kept    registry key " + path + ": it holds other keys");
        return true;
    }
    LONG rc = RegDeleteKeyA(root, path.c_str());
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

void RemoveRegistryKeys(Run& run, RemovalFeedback& feedback) {
    for (const KeyDeletion& pass : run.removal.steps.plan.keys)
        run.log.Step(DeleteEmptySubkey(run, HKEY_CURRENT_USER, pass.parent, pass.subkey, false),
                     "delete registry key HKEY_CURRENT_USER\\" + pass.parent + "\\" + pass.subkey);
    // The maker's key, only when this product made it and nothing else is in it.
    const product::InstallRecord* r = run.removal.record;
    const std::string maker = std::string(layout::kKeyLevels[0]) + "\\" + layout::kKeyLevels[1];
    bool made = false;
    if (r)
        for (const std::string& k : r->createdKeys) made = made || k == "HKCU\\" + maker;
    if (made)
        run.log.Step(DeleteEmptySubkey(run, HKEY_CURRENT_USER, layout::kKeyLevels[0], layout::kKeyLevels[1], true),
                     "delete registry key HKEY_CURRENT_USER\\" + maker);
    feedback.SetProgress(100);
}

// The Add/Remove Programs entry, wherever it is: it may have moved between installs.
void RemoveUninstallEntry(Run& run) {
    for (const char* name : {"HKLM", "HKCU"}) {
        const product::EntryRemoval done =
            product::RemoveUninstallEntry(std::string(name) == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER);
        if (done == product::EntryRemoval::Emptied)
            run.log.Note(std::string("kept    registry key ") + name + "\\" + product::kUninstallKey +
                         " without its values: it holds other keys");
        run.log.Step(done != product::EntryRemoval::Failed, std::string("delete the Add/Remove Programs entry under ") + name);
    }
}

void RemoveShortcuts(Run& run) {
    for (const std::string& link : run.removal.steps.plan.shortcuts) DeleteOne(run, link);
    RemoveFolder(run, run.removal.steps.plan.programFolder);
    for (const std::string& level : run.removal.steps.programParents) RemoveFolder(run, level);
}

// `name` as the system would find it: a bare file name in the system or Windows folder.
bool SaverFileThere(const std::string& name) {
    if (name.find('\\') != std::string::npos || name.find(':') != std::string::npos)
        return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
    char folder[MAX_PATH] = "";
    for (UINT(WINAPI * get)(LPSTR, UINT) : {GetSystemDirectoryA, GetWindowsDirectoryA}) {
        UINT n = get(folder, MAX_PATH);
        if (n > 0 && n < MAX_PATH &&
            GetFileAttributesA((product::WithSlash(folder, product::IsAnsiLeadByte) + name).c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
    }
    return false;
}

void RestoreSwitch(Run& run, const product::InstallRecord& r) {
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, r.previousSaverActive, nullptr, SPIF_UPDATEINIFILE);
    if (!r.previousSwitchMissing) return;
    HKEY desktop;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_SET_VALUE, &desktop) != ERROR_SUCCESS) return;
    LONG rc = RegDeleteValueA(desktop, "ScreenSaveActive");
    RegCloseKey(desktop);
    run.log.Step(rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND, "put back the screen-saver switch as it was");
}

void ResetDefaultSaver(Run& run, const std::string& shortForm) {
    char entry[MAX_PATH] = "";
    GetPrivateProfileStringA(layout::kIniSection, layout::kIniKey, "", entry, MAX_PATH, layout::kIniFile);
    const product::InstallRecord* r = run.removal.record;
    const bool previousThere = r && (r->previousEntryMissing || r->previousSaver.empty() ||
                                     SaverFileThere(r->previousSaver));
    const bool ours = NamesProductSaver(entry, shortForm, run.removal.saverForEntry, product::IsAnsiLeadByte);
    switch (DecideSaverReset(ours, r, previousThere)) {
    case SaverReset::Leave:
        return;
    case SaverReset::Restore:
        if (r->previousEntryMissing)
            run.log.Step(WritePrivateProfileStringA(layout::kIniSection, r->previousSectionMissing ? nullptr : layout::kIniKey,
                                                    nullptr, layout::kIniFile) != FALSE,
                         "take the screen saver out of system.ini, where there was none");
        else
            run.log.Step(WritePrivateProfileStringA(layout::kIniSection, layout::kIniKey, r->previousSaver.c_str(),
                                                    layout::kIniFile) != FALSE,
                         "put back the screen saver " + (r->previousSaver.empty() ? "(none)" : r->previousSaver));
        RestoreSwitch(run, *r);
        return;
    case SaverReset::Clear:
        // Nothing is known of the one before: the entry is emptied, the switch left as it is.
        run.log.Step(WritePrivateProfileStringA(layout::kIniSection, layout::kIniKey, "", layout::kIniFile) != FALSE,
                     "clear the screen saver in system.ini");
        return;
    }
}

}  // namespace

RemovalOutcome CarryOutRemoval(const Removal& removal, RemovalFeedback& feedback, product::StepLog& log) {
    Run run{removal, log, {}, {}};
    // Taken while the saver file still exists: its short form needs the file.
    const std::string saverShort = ShortForm(removal.saverForEntry);
    RemoveFiles(run, feedback);
    RemoveRegistryKeys(run, feedback);
    RemoveShortcuts(run);
    ResetDefaultSaver(run, saverShort);
    // The entry and the record stay until everything else is done, so that a removal
    // that failed part-way can be run again from Add/Remove Programs.
    if (!log.Failures().empty()) {
        log.Note("kept    the Add/Remove Programs entry and the install record: run Uninstall again to finish");
        return run.outcome;
    }
    RemoveUninstallEntry(run);
    DeleteOne(run, removal.recordFile);
    // The journal of a Setup that was stopped part-way, which this removal finishes.
    const std::string journal = removal.recordFile.empty() ? std::string()
                                : removal.recordFile.substr(0, removal.recordFile.size() - sizeof product::kRecordFile + 1) +
                                      product::kJournalFile;
    if (!journal.empty() && GetFileAttributesA(journal.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteOne(run, journal);
    RemoveInstallFolder(run);
    return run.outcome;
}

void CarryOutRemoval(const RemovalPlan& plan, RemovalFeedback& feedback) {
    Removal removal;
    removal.steps.plan = plan;
    removal.saverForEntry = plan.saverFile;
    product::StepLog log;
    CarryOutRemoval(removal, feedback, log);
}

}  // namespace uninstall
