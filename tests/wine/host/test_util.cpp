// Helpers of the dialog, link and preview-host tests; see test_util.h.
#include "test_util.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "wine_test.h"

namespace dt {

namespace {
void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = MulDiv(x, 65536, w) + 65536 / w / 2;
        input.mi.dy = MulDiv(y, 65536, h) + 65536 / h / 2;
    }
    SendInput(1, &input, sizeof input);
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
    char cls[32], text[512];
    if (GetClassNameA(child, cls, sizeof cls) && lstrcmpiA(cls, "Static") == 0 &&
        GetWindowTextA(child, text, sizeof text) > 0) {
        auto* out = reinterpret_cast<std::string*>(param);
        if (!out->empty()) *out += '\n';
        *out += text;
    }
    return TRUE;
}
}  // namespace

void MovePointer(int x, int y) { SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y); }
void PressLeft() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void ReleaseLeft() { SendMouse(MOUSEEVENTF_LEFTUP); }

void ClickAt(int x, int y) {
    MovePointer(x, y);
    Sleep(50);
    PressLeft();
    Sleep(50);
    ReleaseLeft();
}

POINT Centre(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

int CountColour(const RECT& rect, COLORREF colour, int tolerance) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return 0;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    int count = 0;
    const auto* px = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < w * h; ++i, px += 4) {
        if (std::abs(px[2] - GetRValue(colour)) <= tolerance &&
            std::abs(px[1] - GetGValue(colour)) <= tolerance &&
            std::abs(px[0] - GetBValue(colour)) <= tolerance)
            ++count;
    }
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return count;
}

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= ms) return done();
        wt::PumpFor(10);
    }
}

std::string MessageBoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

void AnswerMessageBox(HWND box) {
    HWND button = GetDlgItem(box, IDOK);
    if (!button) button = GetDlgItem(box, IDCANCEL);
    if (button) SendMessageA(button, BM_CLICK, 0, 0);
    else PostMessageA(box, WM_CLOSE, 0, 0);
}

bool HasMessageBox(DWORD pid, const char* title) {
    return wt::WaitForWindow("#32770", title, pid, 0) != nullptr;
}

std::string NewTempFolder() {
    char base[MAX_PATH], name[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    GetTempFileNameA(base, "wm", 0, name);
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    return std::string(name) + "\\";
}

bool Screenshot(const std::string& name, const RECT& area) {
    // build/screenshots, two folders up from the test program (build/<tree>/bin), from Unix.
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA((wt::BinDir() + "..\\..\\screenshots").c_str(), MAX_PATH, full, nullptr);
    if (n < 3 || n >= MAX_PATH || (full[0] != 'Z' && full[0] != 'z') || full[1] != ':') return false;
    CreateDirectoryA(full, nullptr);
    const std::string file = std::string(full) + "\\" + name + ".png";
    std::string unixFile = file.substr(2);
    for (char& c : unixFile)
        if (c == '\\') c = '/';
    char geometry[64];
    std::snprintf(geometry, sizeof geometry, "%ldx%ld+%ld+%ld", area.right - area.left,
                  area.bottom - area.top, area.left, area.top);
    DeleteFileA(file.c_str());
    // Wine starts a Unix program without a process handle to wait on: wait for the file
    // to stop growing instead.
    wt::Launch(std::string("Z:\\usr\\bin\\import -window root -crop ") + geometry + " \"" +
               unixFile + "\"");
    LONGLONG last = -1;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 30000;) {
        wt::PumpFor(250);
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data)) continue;
        const LONGLONG size = (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        if (size > 0 && size == last) return true;
        last = size;
    }
    return false;
}

std::string ReadFileText(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string text;
    char buf[1024];
    DWORD n = 0;
    while (ReadFile(file, buf, sizeof buf, &n, nullptr) && n > 0) text.append(buf, n);
    CloseHandle(file);
    return text;
}

}  // namespace dt
