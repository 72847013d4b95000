// Setup's change list; see install_changes.h.
#include "install_changes.h"

#include "folder_paths.h"
#include "install_layout.h"
#include "uninstall_entry.h"

namespace setup {

namespace {

using product::Change;
using product::ChangeKind;
using product::Item;

struct Builder {
    const MachineFacts& facts;
    std::vector<Change> changes;
    int mark = -1;  // the progress mark the next change carries

    void Add(Change c) {
        c.progress = mark;
        mark = -1;
        changes.push_back(std::move(c));
    }
    // Levels that are there already are left out.
    void Folder(const std::string& folder) {
        if (!facts.folderExists(folder)) Add({ChangeKind::MakeFolder, folder, "", ""});
    }
    void Key(const std::string& root, const std::string& path) {
        for (const std::string& level : KeyLevels(root, path))
            if (!facts.keyExists(level)) Add({ChangeKind::MakeKey, level, "", ""});
    }
    void Text(const std::string& key, const char* name, const std::string& text) {
        Add({ChangeKind::SetText, key, text, name});
    }
    void Number(const std::string& key, const char* name, std::uint32_t value) {
        Change c{ChangeKind::SetNumber, key, "", name};
        c.number = value;
        Add(c);
    }
};

// The levels of `folders` that the record lists as Setup's: those missing now, those an
// earlier install made that are still there, and those left over by an earlier run.
void RecordLevels(const std::vector<std::string>& levels, const MachineFacts& facts,
                  std::vector<std::string>& out) {
    for (const std::string& level : levels) {
        bool earlier = false;
        if (facts.previous)
            for (const std::string& f : facts.previous->createdFolders) earlier = earlier || product::SamePath(f, level, facts.isLeadByte);
        bool leftover = facts.leftOver && facts.leftOver(level);
        if (!facts.folderExists(level) || earlier || leftover) out.push_back(level);
    }
}

}  // namespace

std::vector<std::string> KeyLevels(const std::string& root, const std::string& path) {
    std::vector<std::string> levels;
    std::string key = root;
    std::size_t at = 0;
    while (at < path.size()) {
        std::size_t end = path.find('\\', at);
        if (end == std::string::npos) end = path.size();
        key += "\\" + path.substr(at, end - at);
        levels.push_back(key);
        at = end + 1;
    }
    return levels;
}

InstallChanges MakeInstallChanges(const InstallPlan& plan, const MachineFacts& facts) {
    InstallChanges out;
    product::InstallRecord& r = out.record;
    r.installDir = plan.installDir;
    r.programFolder = plan.programFolder;
    if (!plan.programFiles.empty()) r.saverPath = plan.programFiles[0].destination;
    for (Item item : {Item::Saver, Item::Uninstaller, Item::License, Item::Readme}) r.SetCreated(item);
    if (!plan.shortcuts.empty())
        for (Item item : {Item::UninstallLink, Item::ReadmeLink, Item::LicenseLink}) r.SetCreated(item);
    const std::vector<std::string> programLevels =
        plan.programFolder.empty() ? std::vector<std::string>() : product::FolderLevels(plan.programFolder, facts.isLeadByte);
    RecordLevels(plan.installFolders, facts, r.createdFolders);
    RecordLevels(programLevels, facts, r.createdFolders);
    r.uninstallRoot = facts.machineWideEntry ? "HKLM" : "HKCU";
    // The saver to put back is the one chosen before the first install, kept through
    // every reinstall.
    if (facts.previous && facts.previous->replacedSaver) {
        const product::InstallRecord& p = *facts.previous;
        r.replacedSaver = true;
        r.previousSaver = p.previousSaver;
        r.previousSaverActive = p.previousSaverActive;
        r.previousEntryMissing = p.previousEntryMissing;
        r.previousSectionMissing = p.previousSectionMissing;
        r.previousSwitchMissing = p.previousSwitchMissing;
    } else if (plan.makeDefaultSaver && !facts.entryIsOurs) {
        r.replacedSaver = true;
        r.previousSaver = facts.saverEntry;
        r.previousSaverActive = facts.saverActive;
        r.previousEntryMissing = facts.entryMissing;
        r.previousSectionMissing = facts.sectionMissing;
        r.previousSwitchMissing = facts.switchMissing;
    }
    // The maker's key levels this product made, so that the last removal can take them.
    for (const std::string& level : KeyLevels("HKCU", layout::kSettingsKey)) {
        bool earlier = false;
        if (facts.previous)
            for (const std::string& k : facts.previous->createdKeys) earlier = earlier || k == level;
        if (!facts.keyExists(level) || earlier) r.createdKeys.push_back(level);
    }

    Builder b{facts, {}};
    for (const std::string& level : plan.installFolders) b.Folder(level);
    b.mark = 15;
    for (const FileCopy& copy : plan.programFiles)
        if (copy.destination != r.saverPath) b.Add({ChangeKind::CopyFrom, copy.destination, copy.source, ""});
    for (const FileCopy& copy : plan.documents) b.Add({ChangeKind::CopyFrom, copy.destination, copy.source, ""});
    b.mark = 30;
    b.Add({ChangeKind::WriteFile, plan.installDir + product::kRecordFile, product::WriteRecord(r), ""});

    // The entry, naming an Uninstall.exe that is already in place.
    b.mark = 45;
    const std::string entry = r.uninstallRoot + "\\" + product::kUninstallKey;
    const std::string uninstaller = plan.installDir + layout::kUninstaller;
    const std::string quoted = "\"" + uninstaller + "\"";
    b.Key(r.uninstallRoot, product::kUninstallKey);
    b.Text(entry, "UninstallString", quoted);
    b.Text(entry, "DisplayName", product::kDisplayName);
    b.Text(entry, "DisplayVersion", facts.displayVersion);
    b.Text(entry, "Publisher", product::kPublisher);
    b.Text(entry, "InstallLocation", plan.installDir);
    b.Text(entry, "QuietUninstallString", quoted + " /S");
    b.Text(entry, "DisplayIcon", uninstaller);
    b.Text(entry, "URLInfoAbout", facts.productLink);
    b.Number(entry, "EstimatedSize", static_cast<std::uint32_t>((facts.installedBytes + 1023) / 1024));
    b.Number(entry, "NoModify", 1);
    b.Number(entry, "NoRepair", 1);

    b.mark = 60;
    if (!plan.programFiles.empty())
        b.Add({ChangeKind::CopyFrom, plan.programFiles[0].destination, plan.programFiles[0].source, ""});
    b.mark = 75;
    b.Key("HKCU", layout::kSettingsKey);
    for (const RegistryValue& value : plan.values) b.Text(std::string("HKCU\\") + layout::kSettingsKey, value.name, value.data);

    b.mark = 90;
    for (const std::string& level : programLevels) b.Folder(level);
    for (const Shortcut& s : plan.shortcuts) b.Add({ChangeKind::MakeShortcut, s.link, s.target, s.description});
    if (plan.makeDefaultSaver) {
        b.Add({ChangeKind::SelectSaver, plan.saverPath, "", ""});
        Change on{ChangeKind::SetSaverSwitch, "", "", ""};
        on.number = 1;
        b.Add(on);
    }
    out.changes = std::move(b.changes);
    return out;
}

}  // namespace setup
