// The preview-host lookup: finds or starts "Scrprev" and returns its preview area.
#include "preview_host.h"

#include "debug_trace.h"

namespace {
const char kHostClass[] = "Scrprev";
const DWORD kIdleWaitMs = 2000;

// Starts "Scrprev" through the system's program search and waits until it is idle.
bool StartHost() {
    char commandLine[] = "Scrprev";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE,
                        CREATE_DEFAULT_ERROR_MODE | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr,
                        &startup, &process)) {
        DebugTrace("Error creating scrprev process");
        return false;
    }
    const DWORD wait = WaitForInputIdle(process.hProcess, kIdleWaitMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (wait == WAIT_TIMEOUT) {
        DebugTrace("Scrprev never becomes idle");
        return false;
    }
    if (wait == WAIT_FAILED) {
        DebugTrace("ScrPrev,  misc error after ScrPrev execution");
        return false;
    }
    return true;
}
}  // namespace

HWND FindPreviewHost() {
    HWND host = FindWindowA(kHostClass, nullptr);
    if (!host) {
        if (!StartHost()) return nullptr;
        host = FindWindowA(kHostClass, nullptr);
    }
    if (!host) {
        DebugTrace("Unable to find Scrprev window");
        return nullptr;
    }
    SetForegroundWindow(host);
    HWND area = GetWindow(host, GW_CHILD);
    if (!area) DebugTrace("Couldn't find Scrprev child");
    return area;
}
