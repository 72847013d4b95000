// How much room an install needs, from the real sizes of the medium's files: the system
// folder's drive gets the saver, the install folder's drive everything else, and one
// drive that holds both needs the sum. The fixed minimums of earlier versions stay as a
// floor. Portable: no <windows.h>.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ansi_chars.h"

namespace setup {

// Free bytes the system directory's drive and the destination drive need at least.
inline constexpr std::uint64_t kSystemDriveFloor = 2000000;
inline constexpr std::uint64_t kInstallDriveFloor = 5000000;

// Bytes a file takes on disk, counted in whole 32 KB clusters, the largest a FAT drive
// of up to 2 GB uses.
std::uint64_t OnDisk(std::uint64_t fileBytes);

struct DriveNeed {
    std::string root;     // volume root, ending with "\"
    std::uint64_t bytes;  // free bytes it needs
};

// The drives the install writes to and what each needs: the system drive first, then
// the install drive, or one entry when both roots are one volume. `isLeadByte` as in
// folder_paths.h.
std::vector<DriveNeed> SpaceNeeds(const std::string& systemRoot, std::uint64_t saverBytes,
                                  const std::string& installRoot, std::uint64_t otherBytes,
                                  product::LeadByteTest isLeadByte);

// The name of the first drive in `needs` whose free space (`freeBytes`, same order) is
// short: "C:" for a drive root, "\\server\share" for a network one; "" when all have room.
std::string ShortDrive(const std::vector<DriveNeed>& needs, const std::vector<std::uint64_t>& freeBytes,
                       product::LeadByteTest isLeadByte);

}  // namespace setup
