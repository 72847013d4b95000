// The checks Setup makes before it changes anything, on the wizard's pages and in an
// unattended run: the medium's real sizes against each drive's free space, and the
// items in the way that are someone else's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "install_record.h"

namespace setup {

// Sizes of the medium's files in `sourceDir`, as they take room on disk: the saver, and
// the three files of the install folder with the record.
struct MediumSizes {
    std::uint64_t saver = 0;
    std::uint64_t others = 0;
};
MediumSizes MeasureMedium(const std::string& sourceDir);

// Free bytes available to the user on the volume of `root`; 0 when the query fails.
// GetDiskFreeSpaceExA is looked up on each call; without it the older call is used.
std::uint64_t DriveFreeSpace(const std::string& root);

// The drive ("C:", "\\server\share") short of room for an install of the medium in
// `sourceDir` into `installDir`; "" when both drives have room.
std::string ShortOfSpace(const std::string& sourceDir, const std::string& systemDir,
                         const std::string& installDir);

// The whole of the file `path` in `bytes`; false when it cannot be read.
bool ReadAll(const std::string& path, std::string& bytes);

// The install record in `folder`, if there is one.
std::optional<product::InstallRecord> ReadRecordIn(const std::string& folder);

// The first item of the saver or of the install folder's files that is in the way and
// not ours; "" when there is none.
std::string ForeignInDestination(const std::string& sourceDir, const std::string& systemDir,
                                 const std::string& installDir);

// The first of the three shortcuts in `programFolder` that is in the way and not ours.
std::string ForeignInProgramFolder(const std::string& installDir,
                                   const std::string& programFolder);

// The text that keeps the user on the destination page when `installDir` is not a full
// path; "" when it is.
std::string DestinationPathProblem(const std::string& installDir);

}  // namespace setup
