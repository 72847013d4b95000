// Removal narrowed by the install record; see recorded_removal.h.
#include "recorded_removal.h"

#include <algorithm>

#include "folder_paths.h"

namespace uninstall {

namespace {

using product::Item;
using product::LeadByteTest;

std::string FileName(const std::string& path, LeadByteTest isLeadByte) {
    return path.substr(product::LastSlash(path, isLeadByte) + 1);
}

bool NameIs(const std::string& path, const char* name, LeadByteTest isLeadByte) {
    return product::SamePath(FileName(path, isLeadByte), name, isLeadByte);
}

// Keeps the entries of `paths` whose file name is one of the recorded items.
void KeepRecorded(std::vector<std::string>& paths, const product::InstallRecord& r,
                  std::initializer_list<Item> items, LeadByteTest isLeadByte) {
    paths.erase(std::remove_if(paths.begin(), paths.end(),
                               [&](const std::string& p) {
                                   for (Item item : items)
                                       if (NameIs(p, product::ItemName(item), isLeadByte)) return !r.Created(item);
                                   return true;
                               }),
                paths.end());
}

bool WasCreated(const product::InstallRecord& r, const std::string& folder, LeadByteTest isLeadByte) {
    for (const std::string& f : r.createdFolders)
        if (product::SamePath(f, folder, isLeadByte)) return true;
    return false;
}

// The levels above `folder` that the record says Setup created, deepest first.
std::vector<std::string> CreatedParents(const product::InstallRecord& r, const std::string& folder,
                                        LeadByteTest isLeadByte) {
    std::vector<std::string> levels = product::FolderLevels(folder, isLeadByte), parents;
    if (!levels.empty()) levels.pop_back();  // the folder itself
    for (auto it = levels.rbegin(); it != levels.rend(); ++it)
        if (WasCreated(r, *it, isLeadByte)) parents.push_back(*it);
    return parents;
}

}  // namespace

RecordedRemoval MakeRecordedRemoval(const product::InstallRecord& r, const std::string& installDir,
                                    const std::vector<std::string>& systemDirs, LeadByteTest isLeadByte) {
    RemovalInputs in;
    in.systemDir = systemDirs.empty() ? std::string() : systemDirs.front();
    in.installDir = installDir;
    in.programFolder = product::IsAbsoluteFolder(r.programFolder, isLeadByte) ? r.programFolder : std::string();
    RecordedRemoval out;
    out.plan = MakeRemovalPlan(in, isLeadByte);
    RemovalPlan& plan = out.plan;

    for (const std::string& dir : systemDirs) {
        if (product::SamePath(r.saverPath, dir + product::ItemName(Item::Saver), isLeadByte)) {
            plan.saverFile = dir + product::ItemName(Item::Saver);
            break;
        }
    }
    if (!r.Created(Item::Saver)) plan.saverFile.clear();
    KeepRecorded(plan.installFiles, r, {Item::License, Item::Readme, Item::Uninstaller}, isLeadByte);
    KeepRecorded(plan.shortcuts, r, {Item::UninstallLink, Item::ReadmeLink, Item::LicenseLink}, isLeadByte);

    if (!plan.installFolder.empty()) {
        out.installParents = CreatedParents(r, plan.installFolder, isLeadByte);
        if (!WasCreated(r, plan.installFolder, isLeadByte)) plan.installFolder.clear();
    }
    if (!plan.programFolder.empty()) {
        out.programParents = CreatedParents(r, plan.programFolder, isLeadByte);
        if (!WasCreated(r, plan.programFolder, isLeadByte)) plan.programFolder.clear();
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
