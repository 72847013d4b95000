// Scrprev: a top-level window of class "Scrprev" whose only child is a preview area the
// size of the Display settings' preview box (152 x 112 pixels). A screen saver started
// with "/p scrprev" draws into that area.
//   Scrprev [saver]   with a saver path, also starts "<saver> /p <area>"
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
const char kHostClass[] = "Scrprev";
const char kAreaClass[] = "ScrprevArea";
const int kAreaWidth = 152;
const int kAreaHeight = 112;
const int kMargin = 12;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool Register(HINSTANCE instance, const char* name, WNDPROC proc, int brush) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(brush));
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

// Starts `saver` with the preview switch for `area`.
void StartPreview(const std::string& saver, HWND area) {
    char line[MAX_PATH + 64];
    std::snprintf(line, sizeof line, "\"%s\" /p %llu", saver.c_str(),
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(area)));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        MessageBoxA(nullptr, "The screen saver could not be started.", "Scrprev", MB_ICONERROR);
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The first argument of the command line, without quotes; empty when there is none.
std::string FirstArgument(const char* line) {
    while (*line == ' ' || *line == '\t') ++line;
    std::string arg;
    if (*line == '"') {
        for (++line; *line && *line != '"'; ++line) arg += *line;
    } else {
        for (; *line && *line != ' ' && *line != '\t'; ++line) arg += *line;
    }
    return arg;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    if (!Register(instance, kHostClass, HostProc, WHITE_BRUSH) ||
        !Register(instance, kAreaClass, DefWindowProcA, BLACK_BRUSH))
        return 1;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, kAreaWidth + 2 * kMargin, kAreaHeight + 2 * kMargin};
    AdjustWindowRect(&frame, style, FALSE);
    HWND host = CreateWindowExA(0, kHostClass, "Screen saver preview", style, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!host) return 1;
    HWND area = CreateWindowExA(0, kAreaClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                kMargin, kMargin, kAreaWidth, kAreaHeight, host, nullptr,
                                instance, nullptr);
    if (!area) return 1;
    ShowWindow(host, show);
    UpdateWindow(host);

    const std::string saver = FirstArgument(commandLine);
    if (!saver.empty()) StartPreview(saver, area);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
