// Rules for the folder paths the wizards are given and record: which ones are absolute,
// the volume a path lies on, and whether one path lies inside a folder. Paths are ANSI
// text; letters compare without regard to case, as Windows file names do.
// Portable: no <windows.h>.
#pragma once

#include <string>
#include <vector>

namespace product {

// Whether `path` names a folder by a full path: a drive letter, a colon and a "\"
// ("C:\", "D:\Games\Whirlmark"), or a network path "\\server\share" with more levels
// after it or none. Empty, relative ("Whirlmark\", "\Whirlmark"), drive-relative
// ("C:Games") and malformed paths (characters a file name cannot hold, empty or ".."
// levels, a colon past the drive) are not.
bool IsAbsoluteFolder(const std::string& path);

// The root of the volume `path` lies on, ending with "\": "C:\" for a drive path,
// "\\server\share\" for a network path; for anything else the first three characters,
// as the free-space check always took them.
std::string VolumeRoot(const std::string& path);

// `path` ending with one "\".
std::string WithSlash(const std::string& path);

// Whether two paths name the same file or folder, ignoring case and a trailing "\".
bool SamePath(const std::string& a, const std::string& b);

// Whether `path` lies inside `folder` (at any depth, not the folder itself), ignoring case.
bool LiesIn(const std::string& path, const std::string& folder);

// The folder levels below the volume root that make up `folder`, shortest first, each
// without its trailing "\" ("C:\A\B\" gives "C:\A" and "C:\A\B"). `isLeadByte` tells
// the bytes that open a two-byte character, whose second byte is never a "\".
std::vector<std::string> FolderLevels(const std::string& folder, bool (*isLeadByte)(unsigned char) = nullptr);

}  // namespace product
