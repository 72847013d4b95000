// Test probe that a wizard loads through a WH_CALLWNDPROC hook: writes the major version
// that DllGetVersion of the wizard's comctl32 reports and that module's path, as the
// wizard's own activation context resolves "comctl32.dll", to C:\comctl32.version.
// Imports no comctl32 itself.
#include <windows.h>

#include <shlwapi.h>

#include <cstdio>

extern "C" __declspec(dllexport) LRESULT CALLBACK VersionCallWndProc(int code, WPARAM wParam,
                                                                     LPARAM lParam) {
    static bool written = false;
    if (code == HC_ACTION && !written) {
        written = true;
        HMODULE comctl = GetModuleHandleA("comctl32.dll");
        auto get = comctl ? reinterpret_cast<HRESULT(CALLBACK*)(DLLVERSIONINFO*)>(
                                reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")))
                          : nullptr;
        DLLVERSIONINFO info{};
        info.cbSize = sizeof info;
        if (!get || FAILED(get(&info))) info.dwMajorVersion = 0;
        HANDLE out = CreateFileA("C:\\comctl32.version", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 0, nullptr);
        if (out != INVALID_HANDLE_VALUE) {
            char path[MAX_PATH] = "";
            if (comctl) GetModuleFileNameA(comctl, path, MAX_PATH);
            char text[MAX_PATH + 16];
            int n = std::snprintf(text, sizeof text, "%lu %s", info.dwMajorVersion, path);
            DWORD done = 0;
            WriteFile(out, text, static_cast<DWORD>(n), &done, nullptr);
            CloseHandle(out);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
