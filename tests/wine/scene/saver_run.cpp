// Runs the saver window inside a test process; see saver_run.h.
#include "saver_run.h"

#include "saver_globals.h"
#include "saver_window.h"

#include <utility>

namespace scene_run {
namespace {
std::function<bool(int tick)> g_step;
int g_tick;
std::string g_traces;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_step || !g_step(++g_tick)) {
        g_step = nullptr;
        DestroyWindow(SaverWindow());
    }
}

// Under Wine, as under a debugger, OutputDebugStringA raises DBG_PRINTEXCEPTION_C with
// the text; a vectored handler sees it before anyone else.
LONG CALLBACK KeepTrace(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2)
        g_traces += reinterpret_cast<const char*>(record.ExceptionInformation[1]);
    return EXCEPTION_CONTINUE_SEARCH;
}

const bool g_handlerInstalled = AddVectoredExceptionHandler(1, KeepTrace) != nullptr;
}  // namespace

int RunSaver(RunMode mode, HWND parent, SaverSettings& settings, std::function<bool(int)> step) {
    g_instance = GetModuleHandleA(nullptr);
    g_runMode = mode;
    g_settings = &settings;
    g_step = std::move(step);
    g_tick = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, OnTimer);
    RunSaverWindow(parent);
    KillTimer(nullptr, timer);
    g_step = nullptr;
    g_settings = nullptr;
    return g_tick;
}

KeyClosedRun RunUntilAKey(SaverSettings& settings) {
    KeyClosedRun run;
    run.ticks = RunSaver(RunMode::FullScreen, nullptr, settings, [&](int tick) {
        if (tick == 3) {
            run.picture = ReadSaverWindow();
            PostMessageA(SaverWindow(), WM_KEYDOWN, VK_SPACE, 0);
        }
        return tick < 12;
    });
    return run;
}

Picture ReadSaverWindow() {
    RECT client{};
    GetClientRect(SaverWindow(), &client);
    return ReadLastFrame(client.right, client.bottom);
}

HWND CreatePreviewHost(int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "PreviewHostForTest";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "PreviewHostForTest", "Display settings", WS_POPUP | WS_VISIBLE, 100, 100,
                           width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string Traces() { return g_handlerInstalled ? g_traces : "(no trace handler)"; }

}  // namespace scene_run
