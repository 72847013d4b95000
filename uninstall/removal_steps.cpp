// Win32 side of the removal: each step with its system calls.
#include "removal_steps.h"

#include "ansi_code_page.h"
#include "folder_paths.h"
#include "install_layout.h"
#include "module.h"
#include "uninstall_entry.h"

#include <windows.h>

namespace uninstall {

namespace {

struct Run {
    const Removal& removal;
    product::StepLog& log;
    RemovalOutcome outcome;
};

bool Gone(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool IsNtFamily() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = "";
    DWORD n = path.empty() ? 0 : GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

// Adds "NUL=<path>" lines to the [rename] section of wininit.ini, which the Windows 95
// family carries out at its next start; the other lines of the file are kept.
bool ScheduleIn9xWininit(const std::string& path) {
    char windows[MAX_PATH] = "";
    UINT n = GetWindowsDirectoryA(windows, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;
    const std::string ini = product::WithSlash(windows, product::IsAnsiLeadByte) + "wininit.ini";
    const std::string line = "NUL=" + (ShortForm(path).empty() ? path : ShortForm(path)) + "\r\n";
    std::string text;
    HANDLE f = CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
        CloseHandle(f);
    }
    std::size_t section = text.find("[rename]");
    if (section == std::string::npos) {
        if (!text.empty() && text.back() != '\n') text += "\r\n";
        text += "[rename]\r\n" + line;
    } else {
        std::size_t after = text.find('\n', section);
        after = after == std::string::npos ? text.size() : after + 1;
        if (after == text.size() && text.back() != '\n') text += "\r\n", after = text.size();
        // Entries run in order, so a folder is added after the files inside it.
        std::size_t next = text.find("\n[", after);
        std::size_t at = next == std::string::npos ? text.size() : next + 1;
        text.insert(at, line);
    }
    f = CreateFileA(ini.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    return CloseHandle(f) && ok;
}

// Removes `path` (a file or an empty folder) at the next restart.
bool ScheduleRemoval(const std::string& path) {
    if (IsNtFamily()) {
        // Looked up here: the Windows 95 family has no working MoveFileExA.
        using MoveFileExAProc = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
        auto moveLater = Module::Loaded("kernel32.dll").Find<MoveFileExAProc>("MoveFileExA");
        return moveLater && moveLater(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
    }
    return ScheduleIn9xWininit(path);
}

void DeleteOne(Run& run, const std::string& file) {
    if (file.empty()) return;
    if (!run.removal.selfPath.empty() && product::SamePath(file, run.removal.selfPath, product::IsAnsiLeadByte)) {
        if (run.log.Step(ScheduleRemoval(file), "remove " + file + " at the next restart"))
            run.outcome.restartPending = true;
        return;
    }
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileA(file.c_str()) || Gone(GetLastError())) {
        run.log.Step(true, "delete " + file);
        return;
    }
    run.log.Step(false, "delete " + file);
}

// Whether `folder` holds nothing but `self`.
bool HoldsOnly(const std::string& folder, const std::string& self) {
    WIN32_FIND_DATAA data;
    const std::string inside = product::WithSlash(folder, product::IsAnsiLeadByte);
    HANDLE find = FindFirstFileA((inside + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool only = true, seen = false;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (product::SamePath(inside + name, self, product::IsAnsiLeadByte))
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
    if (run.outcome.restartPending && HoldsOnly(folder, run.removal.selfPath)) {
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
    DeleteOne(run, run.removal.recordFile);
    feedback.SetProgress(90);
    RemoveFolder(run, plan.installFolder);
    for (const std::string& level : run.removal.steps.installParents) RemoveFolder(run, level);
}

// Deletes `parent`\\`subkey`; true when it is gone, or was never there.
bool DeleteSubkey(HKEY root, const std::string& parent, const std::string& subkey) {
    LONG rc = RegDeleteKeyA(root, (parent + "\\" + subkey).c_str());
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

void RemoveRegistryKeys(Run& run, RemovalFeedback& feedback) {
    for (const KeyDeletion& pass : run.removal.steps.plan.keys)
        run.log.Step(DeleteSubkey(HKEY_CURRENT_USER, pass.parent, pass.subkey),
                     "delete registry key HKEY_CURRENT_USER\\" + pass.parent + "\\" + pass.subkey);
    const std::string root = run.removal.record ? run.removal.record->uninstallRoot : std::string();
    for (const char* name : {"HKLM", "HKCU"}) {
        if (!root.empty() && root != name) continue;
        HKEY hive = std::string(name) == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        run.log.Step(DeleteSubkey(hive, product::kUninstallParent, product::kUninstallKeyName),
                     std::string("delete the Add/Remove Programs entry under ") + name);
    }
    feedback.SetProgress(100);
}

void RemoveShortcuts(Run& run) {
    for (const std::string& link : run.removal.steps.plan.shortcuts) DeleteOne(run, link);
    RemoveFolder(run, run.removal.steps.plan.programFolder);
    for (const std::string& level : run.removal.steps.programParents) RemoveFolder(run, level);
}

void ResetDefaultSaver(Run& run, const std::string& shortForm) {
    char entry[MAX_PATH] = "";
    GetPrivateProfileStringA(layout::kIniSection, layout::kIniKey, "", entry, MAX_PATH, layout::kIniFile);
    const product::InstallRecord* r = run.removal.record;
    bool previousThere = r && !r->previousSaver.empty() &&
                         GetFileAttributesA(r->previousSaver.c_str()) != INVALID_FILE_ATTRIBUTES;
    const bool ours = NamesProductSaver(entry, shortForm, run.removal.saverForEntry, product::IsAnsiLeadByte);
    switch (DecideSaverReset(ours, r, previousThere)) {
    case SaverReset::Leave:
        return;
    case SaverReset::Restore:
        run.log.Step(WritePrivateProfileStringA(layout::kIniSection, layout::kIniKey, r->previousSaver.c_str(),
                                                layout::kIniFile) != FALSE,
                     "put back the screen saver " + r->previousSaver);
        SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, r->previousSaverActive, nullptr, SPIF_UPDATEINIFILE);
        return;
    case SaverReset::Clear:
        run.log.Step(WritePrivateProfileStringA(layout::kIniSection, layout::kIniKey, "", layout::kIniFile) != FALSE,
                     "clear the screen saver in system.ini");
        SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_UPDATEINIFILE);
        return;
    }
}

}  // namespace

RemovalOutcome CarryOutRemoval(const Removal& removal, RemovalFeedback& feedback, product::StepLog& log) {
    Run run{removal, log, {}};
    // Taken while the saver file still exists: its short form needs the file.
    const std::string saverShort = ShortForm(removal.saverForEntry);
    RemoveFiles(run, feedback);
    RemoveRegistryKeys(run, feedback);
    RemoveShortcuts(run);
    ResetDefaultSaver(run, saverShort);
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
