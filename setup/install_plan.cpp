// Builds Setup's install plan from the wizard's choices; see install_plan.h.
#include "install_plan.h"

#include "folder_paths.h"
#include "install_layout.h"

namespace setup {

std::vector<std::string> InstallFolderLevels(const std::string& path, LeadByteTest isLeadByte) {
    // Indices of the real "\" characters (never the second byte of a two-byte character).
    std::vector<long> slashes;
    for (std::size_t k = 0; k < path.size(); k = product::NextChar(path, k, isLeadByte))
        if (path[k] == '\\') slashes.push_back(static_cast<long>(k));
    std::vector<std::string> levels;
    const long last = static_cast<long>(path.size()) - 1;
    long i = 3;
    while (i > 0 && i < last) {
        long next = -1;
        for (long s : slashes) {
            if (s >= i) {
                next = s;
                break;
            }
        }
        if (next > 0) levels.push_back(path.substr(0, static_cast<std::size_t>(next)));
        i = next + 1;
    }
    return levels;
}

bool FitsPath(const std::string& path) { return path.size() < layout::kMaxPath; }

InstallPlan MakeInstallPlan(const InstallChoices& c, LeadByteTest isLeadByte) {
    InstallPlan plan;
    plan.installDir = c.installDir;
    // A network path's levels start below its share.
    plan.installFolders = product::IsAbsoluteFolder(c.installDir, isLeadByte)
                              ? product::FolderLevels(c.installDir, isLeadByte)
                              : InstallFolderLevels(c.installDir, isLeadByte);
    plan.programFiles = {
        {c.sourceDir + layout::kSaverFile, c.systemDir + layout::kSaverFile},
        {c.sourceDir + layout::kUninstaller, c.installDir + layout::kUninstaller},
    };
    plan.documents = {
        {c.sourceDir + layout::kLicense, c.installDir + layout::kLicense},
        {c.sourceDir + layout::kReadme, c.installDir + layout::kReadme},
    };
    plan.values = {
        {layout::kDataRootValue, c.installDir},
        {layout::kProgramFolderValue, c.programFolder},
    };
    plan.programFolder = c.programFolder;
    // Without a Programs folder there is nowhere to put shortcuts.
    for (const layout::ShortcutEntry& s : layout::kShortcuts)
        if (!c.programFolder.empty()) plan.shortcuts.push_back({c.installDir + s.target, c.programFolder + s.link, s.description});
    plan.makeDefaultSaver = c.defaultSaver;
    plan.saverPath = c.systemDir + layout::kSaverFileLower;
    return plan;
}

std::optional<std::string> DefaultSaverEntry(const InstallPlan& plan, const std::string& shortPath) {
    if (!plan.makeDefaultSaver || shortPath.empty()) return std::nullopt;
    return shortPath;
}

}  // namespace setup
