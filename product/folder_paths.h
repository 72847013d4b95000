// Rules for the folder paths the wizards are given and record: which ones are absolute,
// the volume a path lies on, and whether one path lies inside a folder. Paths are ANSI
// text, walked by characters: `isLeadByte` tells the bytes that open a two-byte
// character of the code page (ansi_chars.h), whose second byte is never a "\" or any
// other character of its own; null for a single-byte code page. Letters compare without
// regard to case, as Windows file names do. Portable: no <windows.h>.
#pragma once

#include <string>
#include <vector>

#include "ansi_chars.h"

namespace product {

// Whether `path` names a folder by a full path: a drive letter, a colon and a "\"
// ("C:\", "D:\Games\Whirlmark"), or a network path "\\server\share" with more levels
// after it or none. Empty, relative ("Whirlmark\", "\Whirlmark"), drive-relative
// ("C:Games") and malformed paths (characters a file name cannot hold, empty or ".."
// levels, a colon past the drive, a two-byte character cut short) are not.
bool IsAbsoluteFolder(const std::string& path, LeadByteTest isLeadByte);

// The root of the volume `path` lies on, ending with "\": "C:\" for a drive path,
// "\\server\share\" for a network path; for anything else the first three characters,
// as the free-space check always took them.
std::string VolumeRoot(const std::string& path, LeadByteTest isLeadByte);

// `path` ending with one "\" character.
std::string WithSlash(const std::string& path, LeadByteTest isLeadByte);

// Whether two paths name the same file or folder, ignoring case and a trailing "\".
bool SamePath(const std::string& a, const std::string& b, LeadByteTest isLeadByte);

// Whether `path` lies inside `folder` (at any depth, not the folder itself), ignoring case.
bool LiesIn(const std::string& path, const std::string& folder, LeadByteTest isLeadByte);

// The folder levels below the volume root that make up `folder`, shortest first, each
// without its trailing "\" ("C:\A\B\" gives "C:\A" and "C:\A\B").
std::vector<std::string> FolderLevels(const std::string& folder, LeadByteTest isLeadByte);

}  // namespace product
