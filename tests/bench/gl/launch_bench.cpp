// Start to first frame: the saver and the minimal full-screen program, each launched as
// a new process the same way, alternating, and seen as the screen leaving black.
#include "launch_bench.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "bench_util.h"

namespace {
std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self = path;
    return self.substr(0, self.find_last_of('\\') + 1);
}

// Milliseconds from CreateProcess to a pixel of the screen leaving black, or -1. The
// program is ended afterwards and the screen given time to go black again.
double TimeToFirstFrame(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("launch: cannot start %s\n", command.c_str());
        return -1;
    }
    HDC screen = GetDC(nullptr);
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 3;
    double seen = -1;
    while (Now() - start < 60) {
        if ((GetPixel(screen, x, y) & 0xFFFFFF) != 0) {
            seen = (Now() - start) * 1000;
            break;
        }
        Sleep(2);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Wine can take a while to tear down a process it ended, and the process's window stays
    // on the screen until then: the next launch waits for black.
    const double ended = Now();
    while (Now() - ended < 10 && (GetPixel(screen, x, y) & 0xFFFFFF) != 0) Sleep(10);
    ReleaseDC(nullptr, screen);
    Sleep(400);
    return seen;
}
}  // namespace

int RunMinimalProgram(bool plain) {
    HWND window = CreateFullScreenWindow("Minimal");
    HDC dc = nullptr;
    HGLRC context = nullptr;
    if (plain) {
        dc = GetDC(window);
        context = UsePlainContext(dc);
    } else {
        UseSaverContext(window);
        dc = wglGetCurrentDC();
    }
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    for (;;) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) break;
            DispatchMessageA(&message);
            continue;
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SwapBuffers(dc);
    }
    if (plain) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context);
        ReleaseDC(window, dc);
    } else {
        ReleaseSaverContext();
    }
    DestroyWindow(window);
    return 0;
}

void MeasureLaunches(int launches) {
    const std::string folder = ProgramFolder();
    const std::string saver = "\"" + folder + "Whirlmark.scr\" /s";
    const std::string minimal = "\"" + folder + "gl_bench.exe\" --minimal";
    const std::string plain = minimal + "-plain";
    std::vector<double> saverTimes, minimalTimes, plainTimes;
    for (int i = 0; i < launches; ++i) {
        const double a = TimeToFirstFrame(saver);
        const double b = TimeToFirstFrame(minimal);
        const double c = TimeToFirstFrame(plain);
        if (a > 0) saverTimes.push_back(a);
        if (b > 0) minimalTimes.push_back(b);
        if (c > 0) plainTimes.push_back(c);
        std::printf("launch %d: saver %.0f ms, minimal %.0f ms, minimal plain %.0f ms\n", i + 1, a, b, c);
        std::fflush(stdout);
    }
    const double s = Median(saverTimes), m = Median(minimalTimes), p = Median(plainTimes);
    std::printf("launch: start to first frame, median of %d: saver %.0f ms, minimal %.0f ms (ratio %.2f), "
                "minimal plain %.0f ms (ratio %.2f)\n",
                launches, s, m, m > 0 ? s / m : 0.0, p, p > 0 ? s / p : 0.0);
}
