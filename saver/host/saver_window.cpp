// The saver window: class, creation for full screen (over every monitor) or preview,
// the message loop that renders paced frames within the processor budget whenever the
// queue is empty and somebody can see them, the close rules (pointer travel, key press,
// lost activation, password check after a grace period), and following the display when
// its monitors or mode change.
#include "saver_window.h"

#include <cstddef>

#include "close_rules.h"
#include "debug_trace.h"
#include "frame_budget.h"
#include "frame_pacer.h"
#include "monitors.h"
#include "password.h"
#include "processor_share.h"
#include "saver_globals.h"
#include "scene.h"
#include "steady_clock.h"
#include "visibility.h"

namespace {
const char kClassName[] = "ScrClass";

// What the window procedure tells the loop: the refresh rate or the power source changed.
bool refreshChanged = false;
bool powerChanged = false;
constexpr WPARAM kPowerStatusChange = 0x000A;  // PBT_APMPOWERSTATUSCHANGE

// The close rules apply only to a full-screen saver whose password prompt is not up.
bool SaverActive() { return g_runMode == RunMode::FullScreen && !g_settings->inPasswordCheck; }

// The pointer's screen position; when the system cannot say (GetCursorPos fails, for
// instance while another desktop is shown), the last position it gave.
SaverPoint CursorPosition() {
    static SaverPoint last;
    POINT point{};
    if (GetCursorPos(&point)) last = SaverPoint{point.x, point.y};
    return last;
}

// WM_CLOSE of the full-screen saver: only a close that a rule asked for goes ahead,
// and after the grace period only when the password prompt allows it.
void HandleCloseRequest() {
    SaverSettings& s = *g_settings;
    if (!s.closeRequested || s.inPasswordCheck) return;
    DebugTrace("WM_CLOSE: maybe we need a password");
    int allowed = 1;
    if (GracePeriodOver(s.startTick, GetTickCount(), s.passwordDelay)) {
        s.BeginPasswordCheck();
        allowed = VerifyPassword(s.window);
        s.EndPasswordCheck();
    }
    if (allowed) {
        DebugTrace("WM_CLOSE: doing a DestroyWindow");
        DestroyWindow(s.window);
    } else {
        DebugTrace("WM_CLOSE: but failed password,  so doing nothing");
    }
}

// The monitors the full-screen window was last fitted to.
std::vector<ScreenRect> fittedMonitors;

bool SameMonitors(const std::vector<ScreenRect>& a, const std::vector<ScreenRect>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].left != b[i].left || a[i].top != b[i].top || a[i].right != b[i].right || a[i].bottom != b[i].bottom)
            return false;
    return true;
}

// The full-screen window over the virtual screen as the system now reports it, each
// monitor in its own view; the pointer is anchored afresh, so that the change does not
// count as pointer travel. Nothing is activated. Nothing happens, and false is
// returned, when the monitors are those the window was fitted to.
bool FollowDisplay(HWND window) {
    const std::vector<ScreenRect> monitors = DesktopMonitors();
    if (SameMonitors(monitors, fittedMonitors)) return false;
    fittedMonitors = monitors;
    OutputDebugStringA("the monitors changed: fitting the saver window to them\n");
    const ScreenRect all = VirtualScreenOf(monitors);
    SetWindowPos(window, HWND_TOPMOST, all.left, all.top, all.Width(), all.Height(), SWP_NOACTIVATE);
    SetSceneMonitors(monitors, all);
    if (wglGetCurrentContext()) SetProjection(all.Width(), all.Height());
    g_settings->anchor = CursorPosition();
    return true;
}

// A context that failed is made again this many times in a run; after that the saver
// shows black and still closes as always.
constexpr int kContextRemakes = 3;
int contextRemakes = 0;
bool contextGivenUp = false;

// After RenderFrame found the context failed: the scene started again on a new context,
// or, when that has been tried often enough, black from the class brush and no more frames.
void RemakeContext(HWND window) {
    if (contextRemakes < kContextRemakes) {
        ++contextRemakes;
        OutputDebugStringA("OpenGL context failed; making it again\n");
        ShutdownScene();
        InitScene(window);
        if (wglGetCurrentContext()) return;
        // A context that cannot be made at the start ends the saver; here it does not.
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    OutputDebugStringA("OpenGL context failed for good; showing black\n");
    ShutdownScene();
    contextGivenUp = true;
    InvalidateRect(window, nullptr, TRUE);
}

// True while there is nothing to draw for: nobody can see the saver, or the preview box
// has no area.
bool NothingToDrawFor(HWND window) {
    if (NobodyCanSee() || contextGivenUp) return true;
    RECT client{};
    return !GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0;
}

// In the preview: true when the host's window is gone (its process may have been ended
// without destroying it, or with it our own window).
bool PreviewHostGone(HWND window) {
    if (g_runMode != RunMode::Preview) return false;
    return !IsWindow(window) || !IsWindow(GetParent(window));
}

HWND CreateSaverWindow(HWND parent) {
    if (g_runMode == RunMode::Preview) {
        SetSceneMonitors({}, ScreenRect{});  // one view over the child's client area
        RECT rect;
        if (!parent || !GetWindowRect(parent, &rect)) return nullptr;
        return CreateWindowExA(0, kClassName, "SaverPreview", WS_CHILD | WS_VISIBLE, 0, 0,
                               rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                               g_instance, nullptr);
    }
    // Over the whole virtual screen; each monitor gets its own view of the scene.
    const std::vector<ScreenRect> monitors = DesktopMonitors();
    const ScreenRect all = VirtualScreenOf(monitors);
    SetSceneMonitors(monitors, all);
    fittedMonitors = monitors;
    return CreateWindowExA(WS_EX_TOPMOST, kClassName, "SaverWindow", WS_POPUP | WS_VISIBLE, all.left,
                           all.top, all.Width(), all.Height(), nullptr, nullptr, g_instance, nullptr);
}
}  // namespace

void SaverSettings::RequestClose() {
    closeRequested = 1;
    PostMessageA(window, WM_CLOSE, 0, 0);
}

void SaverSettings::BeginPasswordCheck() {
    inPasswordCheck = 1;
    SendMessageA(window, WM_SETCURSOR, 0, 0);
}

void SaverSettings::EndPasswordCheck() {
    inPasswordCheck = 0;
    SendMessageA(window, WM_SETCURSOR, 0, 0);
    anchor = CursorPosition();
}

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SaverSettings& s = *g_settings;
    if (NoteVisibilityMessage(message, wParam, lParam)) return TRUE;
    switch (message) {
    case WM_CREATE:
        DebugTrace("WM_CREATE...");
        s.window = window;
        s.anchor = CursorPosition();
        s.startTick = GetTickCount();
        break;
    case WM_DESTROY:
        DebugTrace("POSTQUITMESSAGE from WM_DESTROY!!");
        StopWatchingVisibility();
        PostQuitMessage(0);
        break;
    case WM_DISPLAYCHANGE:
    case WM_DEVICECHANGE:
        refreshChanged = true;
        if (g_runMode == RunMode::FullScreen) FollowDisplay(window);
        break;
    case WM_SIZE:
        // The preview box shows one view over its whole area; full screen follows the
        // monitors instead.
        if (g_runMode == RunMode::Preview) {
            const ScreenRect client{0, 0, LOWORD(lParam), HIWORD(lParam)};
            SetSceneMonitors({client}, client);
            if (wglGetCurrentContext()) SetProjection(client.right, client.bottom);
        }
        break;
    case WM_POWERBROADCAST:
        if (wParam == kPowerStatusChange) powerChanged = true;
        break;
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
        if (SaverActive() && LOWORD(wParam) == 0) {
            DebugTrace("WM_ACTIVATE: about to inactive window,  so sending close");
            s.RequestClose();
        }
        break;
    case WM_SETCURSOR:
        SetCursor(SaverActive() ? nullptr : LoadCursorA(nullptr, IDC_ARROW));
        break;
    case WM_KEYDOWN:
        if (!SaverActive()) break;
        if (s.interactive) {
            if (wParam == VK_ESCAPE)
                PostQuitMessage(0);
            else if (wParam == VK_NUMPAD0)
                CycleBackTexture();
            else if (wParam == VK_NUMPAD1)
                CycleIconTexture();
        } else {
            DebugTrace("WM_BUTTONDOWN: sending close");
            s.RequestClose();
        }
        break;
    case WM_MOUSEMOVE:
        if (!SaverActive()) break;
        {
            SaverPoint now = CursorPosition();
            if (s.interactive) {
                SteerFromPointer(now.x, now.y);
            } else if (PointerBeyondThreshold(s.anchor, now, s.mouseThreshold)) {
                DebugTrace("WM_MOUSEMOVE: gone beyond threshold,  sending close");
                s.RequestClose();
            }
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        ToggleLighting();
        break;
    case WM_SYSCOMMAND:
        if (g_runMode != RunMode::FullScreen) break;
        if (wParam == SC_SCREENSAVE) {
            DebugTrace("WM_SYSCOMMAND: eating a SC_SCREENSAVE to stop a new saver from running.");
            return 0;
        }
        if (wParam == SC_CLOSE) {
            DebugTrace("WM_SYSCOMMAND: gobbling up a SC_CLOSE");
            return 0;
        }
        break;
    case WM_CLOSE:
        if (g_runMode != RunMode::FullScreen) break;
        HandleCloseRequest();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages() {
    HWND window = SaverWindow();
    const bool preview = g_runMode == RunMode::Preview;
    const double fullRate = PacingIntervalMs(DisplayRefreshRate(), preview);
    FramePacer pacer(fullRate);
    FrameBudget budget(fullRate, BudgetCores());
    if (RemoteSession()) budget.StartReduced();
    CostClock cost;
    refreshChanged = powerChanged = false;
    contextRemakes = 0;
    contextGivenUp = false;
    double lastLayoutLook = SteadyMilliseconds();
    for (;;) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return;
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        if (PreviewHostGone(window)) {
            DebugTrace("preview host gone: ending");
            if (IsWindow(window)) DestroyWindow(window);
            PostQuitMessage(0);
            continue;
        }
        // Not every system says when a monitor comes or goes (Wine does not for RandR
        // changes): the layout is also looked at every second.
        if (g_runMode == RunMode::FullScreen && SteadyMilliseconds() - lastLayoutLook >= 1000.0) {
            lastLayoutLook = SteadyMilliseconds();
            if (FollowDisplay(window)) refreshChanged = true;
        }
        if (refreshChanged) {
            refreshChanged = false;
            budget.SetBaseInterval(PacingIntervalMs(DisplayRefreshRate(), preview));
        }
        if (powerChanged) {
            powerChanged = false;
            budget.SetBudget(BudgetCores());
        }
        if (NothingToDrawFor(window)) {
            // Asleep: only messages wake the loop, and in the preview a look now and
            // then at whether the host is still there.
            budget.Pause();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, preview ? 500 : INFINITE, QS_ALLINPUT);
            continue;
        }
        pacer.SetInterval(budget.IntervalMs());
        // Early for the next frame: sleep until it is due or a message arrives.
        if (const unsigned wait = pacer.WaitMs(SteadyMilliseconds())) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
            continue;
        }
        const double now = SteadyMilliseconds();
        pacer.FrameStarted(now);
        budget.FrameStarted(now, cost.Now());
        cost.DrawingStarts();
        const bool drawn = RenderFrame();
        cost.DrawingEnds();
        if (!drawn) RemakeContext(window);
    }
}

void RunSaverWindow(HWND parent) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = SaverWindowProc;
    windowClass.hInstance = g_instance;
    windowClass.hCursor = g_settings->interactive ? LoadCursorA(nullptr, IDC_HAND) : nullptr;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);

    backTextureSlot = g_settings->backTexture;
    iconTextureSlot = g_settings->iconTexture;

    HWND window = CreateSaverWindow(parent);
    if (!window) return;

    InitScene(window);
    WatchVisibility(window);
    BOOL scratch = FALSE;
    const bool fullScreen = g_runMode == RunMode::FullScreen;
    if (fullScreen) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, TRUE, &scratch, 0);
    PumpMessages();
    if (fullScreen) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, &scratch, 0);

    g_settings->backTexture = backTextureSlot;
    g_settings->iconTexture = iconTextureSlot;
    g_settings->WriteSettings();
    ShutdownScene();
}
