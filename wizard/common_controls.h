// comctl32 for the wizards, loaded at run time (after RestrictDllSearch), so that no
// comctl32.dll beside the program is loaded as a static import before the program runs.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "module.h"

struct CommonControls {
    Module module;  // kept for the program's life
    decltype(&::PropertySheetA) PropertySheetA = nullptr;
    decltype(&::CreateMappedBitmap) CreateMappedBitmap = nullptr;
};

// comctl32, loaded on first use and kept for the program's life: by name where the
// system applies manifests (so the manifest's version 6 is the one loaded), by full
// system path on systems without them (95/98/Me, NT 4.0, 2000), where a by-name load
// would search the program's folder first. Its classes are registered
// (InitCommonControlsEx where comctl32 has it, else InitCommonControls). Null when
// comctl32 or one of the functions the wizards need is missing.
const CommonControls* GetCommonControls();
