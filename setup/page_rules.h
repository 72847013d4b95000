// Rules of Setup's pages that need no window: the licence limit, the folder the
// browser opens on and the program-folder path.
// Portable: no <windows.h>.
#pragma once

#include <cstdint>

#include "ansi_chars.h"
#include "ansi_string.h"

// At most this many bytes of "license.txt" are shown.
constexpr int LICENSE_MAX_BYTES = 2560;

// The licence text shown for the bytes read from the file: up to the first zero byte,
// at most LICENSE_MAX_BYTES.
CString LicenseTextFromBytes(const char* bytes, int count);

// The folder the folder browser opens on: `folder` (without a trailing backslash,
// except for a drive root) when `isFolder` says it exists, else its nearest parent that
// does; "" when none does. `isLeadByte` as in path_rules.h.
CString NearestExistingFolder(const CString& folder, bool (*isFolder)(const char* path),
                              product::LeadByteTest isLeadByte);

// The full path of the Start-menu program folder: the Programs folder, "\", then the
// typed name with a trailing backslash. The name is taken as typed.
CString ProgramFolderPath(const char* programsDir, const CString& name, product::LeadByteTest isLeadByte);
