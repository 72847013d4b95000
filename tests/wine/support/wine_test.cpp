// Helpers shared by the Windows tests; see wine_test.h.
#include "wine_test.h"

#include <vector>

namespace wt {

std::string BinDir() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

Process::Process(Process&& other) noexcept : info_(other.info_) { other.info_ = {}; }

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        this->~Process();
        info_ = other.info_;
        other.info_ = {};
    }
    return *this;
}

Process::~Process() {
    if (!Valid()) return;
    if (Wait(0) == STILL_ACTIVE) Kill();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

DWORD Process::Wait(DWORD ms) {
    if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Process::Kill() {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
}

Process Launch(const std::string& commandLine, const std::string& workDir) {
    Process p;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &si, &p.info_))
        p.info_ = {};
    return p;
}

namespace {
struct WindowQuery {
    const char* className;
    const char* title;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* q = reinterpret_cast<WindowQuery*>(param);
    char text[256];
    if (!IsWindowVisible(hwnd)) return TRUE;
    if (q->className && (!GetClassNameA(hwnd, text, sizeof text) || lstrcmpA(text, q->className) != 0))
        return TRUE;
    if (q->title && (GetWindowTextA(hwnd, text, sizeof text) < 0 || lstrcmpA(text, q->title) != 0))
        return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (q->pid && pid != q->pid) return TRUE;
    q->found = hwnd;
    return FALSE;
}
}  // namespace

HWND WaitForWindow(const char* className, const char* title, DWORD pid, DWORD ms) {
    DWORD start = GetTickCount();
    for (;;) {
        WindowQuery q{className, title, pid, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&q));
        if (q.found) return q.found;
        if (GetTickCount() - start >= ms) return nullptr;
        PumpFor(20);
    }
}

bool ReadDword(HKEY root, const char* key, const char* name, DWORD& value) {
    DWORD size = sizeof value, type = 0;
    return RegGetValueA(root, key, name, RRF_RT_ANY, &type, &value, &size) == ERROR_SUCCESS &&
           type == REG_DWORD && size == sizeof value;
}

bool ReadString(HKEY root, const char* key, const char* name, std::string& value) {
    char buf[1024];
    DWORD size = sizeof buf;
    if (RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
        return false;
    value.assign(buf);
    return true;
}

void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

}  // namespace wt
