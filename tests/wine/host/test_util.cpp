// Helpers of the dialog, link and preview-host tests; see test_util.h.
#include "test_util.h"

#include <cstdlib>


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
    int count = 0;
    for (DWORD px : wt::ScreenPixels(rect)) {
        if (std::abs(static_cast<int>(px >> 16 & 0xFF) - GetRValue(colour)) <= tolerance &&
            std::abs(static_cast<int>(px >> 8 & 0xFF) - GetGValue(colour)) <= tolerance &&
            std::abs(static_cast<int>(px & 0xFF) - GetBValue(colour)) <= tolerance)
            ++count;
    }
    return count;
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
