// Space an install needs; see space_rules.h.
#include "space_rules.h"

#include "folder_paths.h"

namespace setup {

std::uint64_t OnDisk(std::uint64_t fileBytes) {
    const std::uint64_t cluster = 32768;
    return (fileBytes + cluster - 1) / cluster * cluster;
}

std::vector<DriveNeed> SpaceNeeds(const std::string& systemRoot, std::uint64_t saverBytes,
                                  const std::string& installRoot, std::uint64_t otherBytes,
                                  product::LeadByteTest isLeadByte) {
    auto atLeast = [](std::uint64_t bytes, std::uint64_t floor) { return bytes > floor ? bytes : floor; };
    if (product::SamePath(systemRoot, installRoot, isLeadByte))
        return {{installRoot, atLeast(saverBytes + otherBytes, kInstallDriveFloor)}};
    return {{systemRoot, atLeast(saverBytes, kSystemDriveFloor)},
            {installRoot, atLeast(otherBytes, kInstallDriveFloor)}};
}

std::string ShortDrive(const std::vector<DriveNeed>& needs, const std::vector<std::uint64_t>& freeBytes,
                       product::LeadByteTest isLeadByte) {
    for (std::size_t i = 0; i < needs.size(); ++i) {
        if (i < freeBytes.size() && freeBytes[i] >= needs[i].bytes) continue;
        const std::string& root = needs[i].root;
        if (root.size() > 3 && product::EndsWithSlash(root, isLeadByte)) return root.substr(0, root.size() - 1);
        return product::FirstChars(root, 2, isLeadByte);
    }
    return std::string();
}

}  // namespace setup
