// Removal narrowed by the install record; see recorded_removal.h.
#include "recorded_removal.h"

#include <algorithm>

#include "folder_paths.h"

namespace uninstall {

namespace {

using product::Item;

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

bool NameIs(const std::string& path, const char* name) {
    return product::SamePath(FileName(path), name);
}

// Keeps the entries of `paths` whose file name is one of the recorded items.
void KeepRecorded(std::vector<std::string>& paths, const product::InstallRecord& r,
                  std::initializer_list<Item> items) {
    paths.erase(std::remove_if(paths.begin(), paths.end(),
                               [&](const std::string& p) {
                                   for (Item item : items)
                                       if (NameIs(p, product::ItemName(item))) return !r.Created(item);
                                   return true;
                               }),
                paths.end());
}

bool WasCreated(const product::InstallRecord& r, const std::string& folder) {
    for (const std::string& f : r.createdFolders)
        if (product::SamePath(f, folder)) return true;
    return false;
}

// The levels above `folder` that the record says Setup created, deepest first.
std::vector<std::string> CreatedParents(const product::InstallRecord& r, const std::string& folder) {
    std::vector<std::string> levels = product::FolderLevels(folder), parents;
    if (!levels.empty()) levels.pop_back();  // the folder itself
    for (auto it = levels.rbegin(); it != levels.rend(); ++it)
        if (WasCreated(r, *it)) parents.push_back(*it);
    return parents;
}

}  // namespace

RecordedRemoval MakeRecordedRemoval(const product::InstallRecord& r, const std::string& installDir,
                                    const std::vector<std::string>& systemDirs) {
    RemovalInputs in;
    in.systemDir = systemDirs.empty() ? std::string() : systemDirs.front();
    in.installDir = installDir;
    in.programFolder = product::IsAbsoluteFolder(r.programFolder) ? r.programFolder : std::string();
    RecordedRemoval out;
    out.plan = MakeRemovalPlan(in);
    RemovalPlan& plan = out.plan;

    for (const std::string& dir : systemDirs) {
        if (product::SamePath(r.saverPath, dir + product::ItemName(Item::Saver))) {
            plan.saverFile = dir + product::ItemName(Item::Saver);
            break;
        }
    }
    if (!r.Created(Item::Saver)) plan.saverFile.clear();
    KeepRecorded(plan.installFiles, r, {Item::License, Item::Readme, Item::Uninstaller});
    KeepRecorded(plan.shortcuts, r, {Item::UninstallLink, Item::ReadmeLink, Item::LicenseLink});

    if (!plan.installFolder.empty()) {
        out.installParents = CreatedParents(r, plan.installFolder);
        if (!WasCreated(r, plan.installFolder)) plan.installFolder.clear();
    }
    if (!plan.programFolder.empty()) {
        out.programParents = CreatedParents(r, plan.programFolder);
        if (!WasCreated(r, plan.programFolder)) plan.programFolder.clear();
    }
    return out;
}

SaverReset DecideSaverReset(bool entryNamesOurs, const product::InstallRecord* record,
                            bool previousFileExists) {
    if (!entryNamesOurs) return SaverReset::Leave;
    if (record && record->replacedSaver && previousFileExists) return SaverReset::Restore;
    return SaverReset::Clear;
}

}  // namespace uninstall
