// Path and platform rules shared by the wizards. Portable: no <windows.h>.
// Folder paths in the wizards end with "\"; a file is named by appending its name.
// Paths are walked by characters: `isLeadByte` tells the lead bytes of the ANSI code
// page (null for a single-byte one; product::IsAnsiLeadByte on Windows).
#pragma once

#include "ansi_chars.h"
#include "ansi_string.h"

// `path` with "\" appended unless its last character already is one; "" becomes "\".
CString WithTrailingBackslash(const CString& path, product::LeadByteTest isLeadByte);

// The drive root of a folder path: its first three characters ("C:\" for a local path).
CString DriveRoot(const CString& path, product::LeadByteTest isLeadByte);

// The Windows family the wizard accepts for a reported platform identifier: 1 for the
// Windows 95 family, 2 for the NT family, 0 for any other (the program must not run).
int PlatformFamily(unsigned long platformId);
