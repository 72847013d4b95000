// Calls into the system's screen-saver password components, loaded from the system
// directory at the moment of use and released right after.
#include "password.h"

#include "debug_trace.h"
#include "module.h"

namespace {
using VerifyPasswordProc = BOOL(WINAPI*)(HWND window);
using ChangePasswordProc = DWORD(WINAPI*)(LPCSTR provider, HWND parent, UINT reserved1, UINT reserved2);
}  // namespace

int VerifyPassword(HWND window) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT) return 1;

    Module library = Module::FromSystemDirectory("PASSWORD.CPL");
    if (!library) {
        DebugTrace("Unable to load PASSWORD.CPL. Aborting");
        return 1;
    }
    auto verify = library.Find<VerifyPasswordProc>("VerifyScreenSavePwd");
    if (!verify) {
        DebugTrace("Unable to get VerifyPwProc address. Aborting");
        return 1;
    }
    DebugTrace("About to call VerifyPwProc");
    return verify(window);
}

void ChangeSaverPassword(HWND parent) {
    Module library = Module::FromSystemDirectory("MPR.DLL");
    if (!library) {
        DebugTrace("MPR.DLL not found: cannot change password.");
        return;
    }
    auto change = library.Find<ChangePasswordProc>("PwdChangePasswordA");
    if (!change) {
        DebugTrace("PwdChangeProc not found: cannot change password");
        return;
    }
    change("SCRSAVE", parent, 0, 0);
}
