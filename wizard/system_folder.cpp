// The system folder and, under WOW64, the 32-bit one: see system_folder.h.
#include "system_folder.h"

#include <windows.h>

#include "ansi_code_page.h"
#include "module.h"
#include "path_rules.h"

namespace {

CString WithBackslash(const char* path, UINT n) {
    if (n == 0 || n >= MAX_PATH) return CString();
    return WithTrailingBackslash(CString(path, static_cast<int>(n)), product::IsAnsiLeadByte);
}

}  // namespace

CString SystemFolder() {
    char path[MAX_PATH];
    return WithBackslash(path, ::GetSystemDirectoryA(path, MAX_PATH));
}

CString SaverSystemFolder() {
    // Both arrived with XP (IsWow64Process with XP SP2), so they are looked up.
    const Module kernel = Module::Loaded("kernel32.dll");
    using IsWow64 = BOOL(WINAPI*)(HANDLE, PBOOL);
    using Wow64Dir = UINT(WINAPI*)(LPSTR, UINT);
    IsWow64 isWow64 = kernel.Find<IsWow64>("IsWow64Process");
    Wow64Dir wow64Dir = kernel.Find<Wow64Dir>("GetSystemWow64DirectoryA");
    BOOL wow64 = FALSE;
    if (isWow64 && wow64Dir && isWow64(::GetCurrentProcess(), &wow64) && wow64) {
        char path[MAX_PATH];
        CString folder = WithBackslash(path, wow64Dir(path, MAX_PATH));
        if (!folder.IsEmpty()) return folder;
    }
    return SystemFolder();
}
