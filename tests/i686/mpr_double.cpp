// MPR.DLL test double for the saver's change-password mode (/a). PwdChangePasswordA
// appends one line per call to the file named by WHIRL_MPR_LOG
// ("provider=<text> parent=<handle> reserved=<n>,<n>") and returns 0. Like the
// system's own it is a standard-call export of four arguments, so a caller that
// declares it otherwise corrupts its stack in the 32-bit build.
#include <windows.h>

#include <cstdio>

extern "C" DWORD WINAPI PwdChangePasswordA(LPCSTR provider, HWND parent, DWORD reserved1, DWORD reserved2) {
    char log[MAX_PATH] = "";
    GetEnvironmentVariableA("WHIRL_MPR_LOG", log, sizeof log);
    if (FILE* out = std::fopen(log, "a")) {
        std::fprintf(out, "provider=%s parent=%lu reserved=%lu,%lu\n", provider ? provider : "(null)",
                     static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(parent)), reserved1, reserved2);
        std::fclose(out);
    }
    return 0;
}
