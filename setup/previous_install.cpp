// The installation found before Setup runs; see previous_install.h.
#include "previous_install.h"

#include <windows.h>

#include "destination_checks.h"
#include "ansi_code_page.h"
#include "folder_paths.h"
#include "install_layout.h"
#include "registry_key.h"
#include "restart_schedule.h"
#include "uninstall_entry.h"
#include "uninstall_entry_key.h"

namespace setup {

namespace {

using product::Item;

bool Gone(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

void DeleteOld(const std::string& path, product::StepLog& log) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileA(path.c_str()) || Gone(GetLastError())) {
        log.Step(true, "delete " + path + " of the earlier installation");
        return;
    }
    log.Step(product::ScheduleRemoval(path), "remove " + path + " of the earlier installation at the next restart");
}

void RemoveOldFolder(const std::string& folder, product::StepLog& log) {
    if (RemoveDirectoryA(folder.c_str()) || Gone(GetLastError()))
        log.Note("ok      remove folder " + folder + " of the earlier installation");
    else
        log.Note("kept    folder " + folder + ": it is not empty");
}

bool Same(const std::string& a, const std::string& b) { return product::SamePath(a, b, product::IsAnsiLeadByte); }

}  // namespace

std::optional<PreviousInstall> FindPreviousInstall() {
    std::string folder;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        folder = RegistryKey::Open(root, product::kUninstallKey).ReadText("InstallLocation");
        if (!folder.empty()) break;
    }
    if (folder.empty())
        folder = RegistryKey::Open(HKEY_CURRENT_USER, layout::kSettingsKey).ReadText(layout::kDataRootValue);
    if (!product::IsAbsoluteFolder(folder, product::IsAnsiLeadByte)) return std::nullopt;
    folder = product::WithSlash(folder, product::IsAnsiLeadByte);
    std::optional<product::InstallRecord> record = ReadRecordIn(folder);
    if (!record) return std::nullopt;
    return PreviousInstall{folder, *record};
}

void FinishOverPrevious(const InstallPlan& plan, const std::optional<PreviousInstall>& previous,
                        product::StepLog& log) {
    // An earlier Uninstall may have left these to be removed at the next restart.
    for (const std::string& path : {plan.installDir, plan.programFolder, plan.programFiles.empty()
                                                                            ? std::string()
                                                                            : plan.programFiles[0].destination}) {
        if (path.empty()) continue;
        const std::string p = path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
        log.Step(product::CancelScheduledRemovals(p), "cancel removals at the next restart in " + p);
    }
    // One entry, where the new record says: one in the other root is an earlier
    // install's, whatever its record says (it may not say, or not be there any more).
    const std::optional<product::InstallRecord> now = ReadRecordIn(plan.installDir);
    const std::string entryRoot = now ? now->uninstallRoot : std::string();
    if (!entryRoot.empty()) {
        const bool toMachine = entryRoot == "HKLM";
        const HKEY other = toMachine ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        if (RegistryKey::Open(other, product::kUninstallKey))
            log.Step(product::RemoveUninstallEntry(other) != product::EntryRemoval::Failed,
                     std::string("delete the earlier Add/Remove Programs entry under ") + (toMachine ? "HKCU" : "HKLM"));
    }
    if (!previous) return;
    const product::InstallRecord& old = previous->record;
    if (Same(previous->folder, plan.installDir)) return;
    log.Note("note    moving the installation from " + previous->folder + " to " + plan.installDir);
    const std::pair<Item, const char*> files[] = {
        {Item::Uninstaller, layout::kUninstaller}, {Item::License, layout::kLicense}, {Item::Readme, layout::kReadme}};
    for (const auto& f : files)
        if (old.Created(f.first)) DeleteOld(previous->folder + f.second, log);
    DeleteOld(previous->folder + product::kRecordFile, log);
    const bool otherLinks = !old.programFolder.empty() && !Same(old.programFolder, plan.programFolder);
    if (otherLinks) {
        const Item links[] = {Item::UninstallLink, Item::ReadmeLink, Item::LicenseLink};
        for (std::size_t i = 0; i < 3; ++i)
            if (old.Created(links[i])) DeleteOld(product::WithSlash(old.programFolder, product::IsAnsiLeadByte) + layout::kShortcuts[i].link, log);
    }
    // Levels it made, deepest first, unless the new installation lies in them.
    for (auto it = old.createdFolders.rbegin(); it != old.createdFolders.rend(); ++it) {
        const std::string& level = *it;
        bool inUse = product::LiesIn(plan.installDir, level, product::IsAnsiLeadByte) || Same(plan.installDir, level) ||
                     (!plan.programFolder.empty() &&
                      (product::LiesIn(plan.programFolder, level, product::IsAnsiLeadByte) || Same(plan.programFolder, level)));
        bool ours = product::LiesIn(level, previous->folder, product::IsAnsiLeadByte) || Same(level, previous->folder) ||
                    product::LiesIn(previous->folder, level, product::IsAnsiLeadByte) ||
                    (otherLinks && (Same(level, old.programFolder) || product::LiesIn(old.programFolder, level, product::IsAnsiLeadByte)));
        if (!inUse && ours) RemoveOldFolder(level, log);
    }
}

}  // namespace setup
