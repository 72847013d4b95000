// Helpers shared by the Windows tests; see wine_test.h.
#include "wine_test.h"

#include <cstdio>

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

namespace {
struct BoxQuery {
    DWORD pid;
    HWND except;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchBox(HWND hwnd, LPARAM param) {
    auto* q = reinterpret_cast<BoxQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char text[256] = "";
    if (owner != q->pid || hwnd == q->except || !IsWindowVisible(hwnd) || !GetClassNameA(hwnd, text, sizeof text) ||
        lstrcmpA(text, "#32770") != 0)
        return TRUE;
    GetWindowTextA(hwnd, text, sizeof text);
    if (q->caption && lstrcmpA(text, q->caption) != 0) return TRUE;
    q->found = hwnd;
    return FALSE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    char cls[64] = "";
    if (!GetClassNameA(child, cls, sizeof cls) || lstrcmpiA(cls, "Static") != 0) return TRUE;
    const std::string text = Text(child);
    auto* out = reinterpret_cast<std::string*>(param);
    if (!text.empty() && !out->empty()) *out += '\n';
    *out += text;
    return TRUE;
}
}  // namespace

HWND FindMessageBox(DWORD pid, HWND except, const char* caption) {
    BoxQuery q{pid, except, caption, nullptr};
    EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&q));
    return q.found;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&text));
    return text;
}

void AnswerMessageBox(HWND box, int id) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

std::string Text(HWND window) {
    char buf[8192] = "";
    DWORD_PTR got = 0;
    if (!window || !SendMessageTimeoutA(window, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf),
                                        SMTO_ABORTIFHUNG, 5000, &got))
        return std::string();
    return std::string(buf, got < sizeof buf ? got : sizeof buf - 1);
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

bool SetString(const char* key, const char* name, const char* value) {
    HKEY k;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG rc = value ? RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                     static_cast<DWORD>(lstrlenA(value) + 1))
                    : RegDeleteValueA(k, name);
    RegCloseKey(k);
    return rc == ERROR_SUCCESS;
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

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
    for (DWORD start = GetTickCount();;) {
        if (done()) return true;
        if (GetTickCount() - start >= ms) return done();
        PumpFor(10);
    }
}

std::vector<DWORD> ScreenPixels(const RECT& area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    std::vector<DWORD> pixels;
    if (w <= 0 || h <= 0) return pixels;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(mem, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ old = SelectObject(mem, dib);
        if (BitBlt(mem, 0, 0, w, h, screen, area.left, area.top, SRCCOPY)) {
            GdiFlush();
            const DWORD* p = static_cast<const DWORD*>(bits);
            for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i) pixels.push_back(p[i] & 0xFFFFFF);
        }
        SelectObject(mem, old);
    }
    if (dib) DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::string UnixPath(const std::string& windowsPath) {
    std::string path = windowsPath;
    if (path.size() >= 2 && (path[0] == 'Z' || path[0] == 'z') && path[1] == ':') path = path.substr(2);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool RunUnix(const std::string& command, DWORD ms) {
    // Wine starts a Unix program without a handle to wait on: the script writes the
    // command's exit status into a marker file when it has finished. The marker lives in
    // this test's own scratch folder: tests running side by side have their own Wine
    // servers, so their process ids can be equal.
    static int serial = 0;
    char runDir[MAX_PATH] = "";
    std::string folder = BinDir();
    DWORD n = GetEnvironmentVariableA("WHIRL_RUN_DIR", runDir, sizeof runDir);
    if (n > 0 && n < sizeof runDir) {
        folder = std::string("Z:") + runDir + "\\";
        for (char& c : folder)
            if (c == '/') c = '\\';
    }
    char marker[MAX_PATH];
    std::snprintf(marker, sizeof marker, "%sunix-done-%lu-%d", folder.c_str(), GetCurrentProcessId(), ++serial);
    DeleteFileA(marker);
    const std::string unixMarker = UnixPath(marker);
    std::string script = "(" + command + "); echo $? > '" + unixMarker + ".tmp'; mv '" + unixMarker + ".tmp' '" +
                         unixMarker + "'";
    // Inside the quoted argument, a double quote is written \".
    std::string line = "Z:\\bin\\sh -c \"";
    for (char c : script) {
        if (c == '"') line += '\\';
        line += c;
    }
    line += '"';
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    std::string status;
    WaitUntil([&] {
        HANDLE f = CreateFileA(marker, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (f == INVALID_HANDLE_VALUE) return false;
        char buf[16] = "";
        DWORD got = 0;
        ReadFile(f, buf, sizeof buf - 1, &got, nullptr);
        CloseHandle(f);
        status.assign(buf, got);
        return true;
    }, ms);
    DeleteFileA(marker);
    return status.rfind("0\n", 0) == 0;
}

namespace {
bool Shoot(const std::string& name, const std::string& crop) {
    // build/screenshots, beside the build trees: two folders up from the test program.
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA((BinDir() + "..\\..\\screenshots\\" + name + ".png").c_str(), MAX_PATH, full, nullptr);
    if (n < 3 || n >= MAX_PATH || (full[0] != 'Z' && full[0] != 'z') || full[1] != ':') return false;
    const std::string file = UnixPath(full);
    return RunUnix("mkdir -p '" + file.substr(0, file.find_last_of('/')) + "' && /usr/bin/import -window root " +
                       crop + "'" + file + ".tmp.png' && mv '" + file + ".tmp.png' '" + file + "'",
                   30000);
}
}  // namespace

bool Screenshot(const std::string& name) { return Shoot(name, ""); }

bool Screenshot(const std::string& name, const RECT& area) {
    char crop[80];
    std::snprintf(crop, sizeof crop, "-crop %ldx%ld+%ld+%ld ", area.right - area.left, area.bottom - area.top,
                  area.left, area.top);
    return Shoot(name, crop);
}

}  // namespace wt
