// Test helper with two roles:
//   link_probe <address> <caption>      a window "Link probe <version class>" holding one
//                                       link at (10, 10) with the default colours, until
//                                       it is closed
//   link_probe --record <file> <text>   writes <text> to <file> (a URL handler the test
//                                       registers, to see what the shell was asked to open)
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "hyperlink.h"

namespace {
LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int Record(const char* path, const char* text) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
    CloseHandle(file);
    return 0;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc == 4 && std::strcmp(__argv[1], "--record") == 0) return Record(__argv[2], __argv[3]);
    if (__argc != 3) return 2;

    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "LinkProbe";
    RegisterClassA(&wc);
    char title[32];
    wsprintfA(title, "Link probe %d", GetWindowsVersionClass());
    HWND window = CreateWindowExA(0, "LinkProbe", title, WS_POPUP | WS_VISIBLE, 0, 0,
                                  400, 60, nullptr, nullptr, instance, nullptr);
    if (!window) return 3;

    HyperLinkStyle style{};
    style.address = __argv[1];
    style.caption = __argv[2];
    style.fontFace = "Tahoma";
    style.pointSize = 12;
    style.weight = 400;
    style.styleFlags = kLinkUnderline;
    style.x = 10;
    style.y = 10;
    HyperLink* link = CreateHyperLink(window, style);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    delete link;
    return 0;
}
