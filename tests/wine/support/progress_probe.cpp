// Test probe that a wizard loads through a WH_CALLWNDPROC hook: appends every position
// the wizard gives its progress bar to C:\progress.log, one a line, so a test can see
// the whole sequence of a run that pumps no messages while it works.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeCallWndProc(int code, WPARAM wParam,
                                                                   LPARAM lParam) {
    if (code == HC_ACTION) {
        const CWPSTRUCT* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (msg->message == PBM_SETPOS) {
            HANDLE log = CreateFileA("C:\\progress.log", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                     OPEN_ALWAYS, 0, nullptr);
            if (log != INVALID_HANDLE_VALUE) {
                char line[32];
                int n = std::snprintf(line, sizeof line, "%d\n", static_cast<int>(msg->wParam));
                DWORD written = 0;
                WriteFile(log, line, static_cast<DWORD>(n), &written, nullptr);
                CloseHandle(log);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
