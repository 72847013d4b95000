// Where the wizards take DLLs from. Setup runs from folders anyone may write to (a
// download folder, a shared medium) and, on Vista and later, as administrator, so no
// DLL may be picked up from beside it.
#pragma once

#include <windows.h>

// Restricts the DLL search to the system folder. Call it first thing, before anything
// loads a DLL by name. Where SetDefaultDllDirectories is missing (before Windows 8, and
// Vista/7 without update KB2533623), it drops the current folder from the search where
// that can be done and loads, by full path, the DLLs that comctl32 and the shell load by
// name, so their later by-name loads find them loaded. True when the search is
// restricted for every later load.
bool RestrictDllSearch();

// Whether this system applies manifests (activation contexts, XP and later), so that a
// by-name load of comctl32 finds the version the manifest names before the program's
// own folder.
bool HasActivationContexts();
