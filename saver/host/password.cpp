// Calls into the system's screen-saver password components, loaded from the system
// directory at the moment of use and released right after.
#include "password.h"

#include <cstring>

#include "debug_trace.h"

namespace {
using VerifyPasswordProc = BOOL(WINAPI*)(HWND window);
using ChangePasswordProc = DWORD(WINAPI*)(LPCSTR provider, HWND parent, UINT reserved1, UINT reserved2);

// Loads `name` from the system directory by full path, so that a file of the same
// name in the current folder is never picked up. Null when it is not there.
HMODULE LoadSystemComponent(const char* name) {
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    std::size_t nameLength = std::strlen(name);
    if (length == 0 || length + 1 + nameLength >= MAX_PATH) return nullptr;
    path[length] = '\\';
    std::memcpy(path + length + 1, name, nameLength + 1);
    return LoadLibraryA(path);
}

template <typename Proc>
Proc FindExport(HMODULE library, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
}  // namespace

int VerifyPassword(HWND window) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT) return 1;

    HMODULE library = LoadSystemComponent("PASSWORD.CPL");
    if (!library) {
        DebugTrace("Unable to load PASSWORD.CPL. Aborting");
        return 1;
    }
    auto verify = FindExport<VerifyPasswordProc>(library, "VerifyScreenSavePwd");
    if (!verify) {
        DebugTrace("Unable to get VerifyPwProc address. Aborting");
        FreeLibrary(library);
        return 1;
    }
    DebugTrace("About to call VerifyPwProc");
    BOOL allowed = verify(window);
    FreeLibrary(library);
    return allowed;
}

void ChangeSaverPassword(HWND parent) {
    HMODULE library = LoadSystemComponent("MPR.DLL");
    if (!library) {
        DebugTrace("MPR.DLL not found: cannot change password.");
        return;
    }
    auto change = FindExport<ChangePasswordProc>(library, "PwdChangePasswordA");
    if (!change) {
        FreeLibrary(library);
        DebugTrace("PwdChangeProc not found: cannot change password");
        return;
    }
    change("SCRSAVE", parent, 0, 0);
    FreeLibrary(library);
}
