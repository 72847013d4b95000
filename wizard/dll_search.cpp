// Restricting the wizards' DLL search: see dll_search.h.
#include "dll_search.h"

#include <cstddef>

#include "module.h"

namespace {

constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// Loaded by name by comctl32 6, the shell and the property sheet, and not Known DLLs:
// the documented planting cases (uxtheme, dwmapi, version and the Vista/7 helpers
// cryptbase, profapi, propsys, ntmarta) and what a load trace of Setup under Wine shows
// (uxtheme, version, msimg32).
const char* const kPulledInByName[] = {
    "uxtheme.dll",   "dwmapi.dll",  "version.dll", "msimg32.dll",
    "cryptbase.dll", "profapi.dll", "propsys.dll", "ntmarta.dll",
};

template <class Proc>
Proc KernelProc(const char* name) {
    return Module::Loaded("kernel32.dll").Find<Proc>(name);
}

}  // namespace

bool HasActivationContexts() {
    return KernelProc<FARPROC>("ActivateActCtx") != nullptr;
}

bool RestrictDllSearch() {
    using SetDefault = BOOL(WINAPI*)(DWORD);
    SetDefault setDefault = KernelProc<SetDefault>("SetDefaultDllDirectories");
    if (setDefault && setDefault(kSearchSystem32)) return true;
    // XP SP1 and later: at least the current folder leaves the search.
    using SetDirectory = BOOL(WINAPI*)(const char*);
    if (SetDirectory setDirectory = KernelProc<SetDirectory>("SetDllDirectoryA")) setDirectory("");
    // Kept loaded for the program's life: later by-name loads must find them.
    static Module preloaded[sizeof kPulledInByName / sizeof *kPulledInByName];
    for (std::size_t i = 0; i < sizeof preloaded / sizeof *preloaded; ++i)
        preloaded[i] = Module::FromSystemDirectory(kPulledInByName[i]);
    return false;
}
