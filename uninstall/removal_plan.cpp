// Builds Uninstall's removal plan from the recorded install location; see removal_plan.h.
#include "removal_plan.h"

#include "install_layout.h"

namespace uninstall {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool EqualNoCase(const std::string& a, const std::string& b, product::LeadByteTest isLeadByte) {
    return product::LowerAscii(a, isLeadByte) == product::LowerAscii(b, isLeadByte);
}

// The name a folder is removed by: its path without the trailing "\". A drive root
// gives nothing, since "X:" names the current directory of that drive.
std::string FolderItself(const std::string& folder) {
    if (folder.size() <= 3 && folder.size() >= 2 && folder[1] == ':') return std::string();
    return folder.substr(0, folder.size() - 1);
}

// folder + name when folder is usable and the result fits the Win32 buffers.
std::string FileIn(const std::string& folder, const char* name) {
    std::string path = folder + name;
    return folder.empty() || path.size() >= layout::kMaxPath ? std::string() : path;
}

// `path` ending in "\" when it is absolute and fits the Win32 calls; empty otherwise.
std::string UsableFolder(const std::string& path, product::LeadByteTest isLeadByte) {
    bool driveAbsolute = path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && path[2] == '\\';
    bool network = path.size() >= 3 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
    if (!driveAbsolute && !network) return std::string();
    std::string folder = product::EndsWithSlash(path, isLeadByte) ? path : path + '\\';
    return folder.size() < layout::kMaxPath ? folder : std::string();
}

}  // namespace

RemovalPlan MakeRemovalPlan(const RemovalInputs& in, product::LeadByteTest isLeadByte) {
    RemovalPlan plan;
    plan.saverFile = FileIn(UsableFolder(in.systemDir, isLeadByte), layout::kSaverFileLower);

    const std::string installDir = UsableFolder(in.installDir, isLeadByte);
    if (!installDir.empty()) {
        for (const char* name : {layout::kLicense, layout::kReadme, layout::kUninstaller}) {
            std::string file = FileIn(installDir, name);
            if (!file.empty()) plan.installFiles.push_back(file);
        }
        plan.installFolder = FolderItself(installDir);
    }

    // Settings under 1.0, 1.0 under Whirlmark, Whirlmark under the maker's key.
    for (std::size_t depth = layout::kKeyLevelCount; depth > 2; --depth) {
        std::string parent;
        for (std::size_t k = 0; k + 1 < depth; ++k) {
            if (k) parent += '\\';
            parent += layout::kKeyLevels[k];
        }
        plan.keys.push_back({parent, layout::kKeyLevels[depth - 1]});
    }

    const std::string programFolder = UsableFolder(in.programFolder, isLeadByte);
    if (!programFolder.empty()) {
        for (const layout::ShortcutEntry& s : layout::kShortcuts) {
            std::string link = FileIn(programFolder, s.link);
            if (!link.empty()) plan.shortcuts.push_back(link);
        }
        plan.programFolder = FolderItself(programFolder);
    }
    return plan;
}

bool NamesProductSaver(const std::string& entry, const std::string& shortForm,
                       const std::string& longForm, product::LeadByteTest isLeadByte) {
    if (entry.empty()) return false;
    return (!shortForm.empty() && EqualNoCase(entry, shortForm, isLeadByte)) ||
           (!longForm.empty() && EqualNoCase(entry, longForm, isLeadByte));
}

}  // namespace uninstall
