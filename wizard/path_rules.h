// Path and platform rules shared by the wizards. Portable: no <windows.h>.
// Folder paths in the wizards end with "\"; a file is named by appending its name.
#pragma once

#include "ansi_string.h"

// `path` with "\" appended unless it already ends with one; "" becomes "\".
CString WithTrailingBackslash(const CString& path);

// The drive root of a folder path: its first three characters ("C:\" for a local path).
CString DriveRoot(const CString& path);

// The Windows family the wizard accepts for a reported platform identifier: 1 for the
// Windows 95 family, 2 for the NT family, 0 for any other (the program must not run).
int PlatformFamily(unsigned long platformId);
