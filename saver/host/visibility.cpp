// The saver's watch on the display's power and the session; see visibility.h.
#include "visibility.h"

#include <cstring>

#include "module.h"

namespace {
// Names from the headers of later Windows versions, defined here so that nothing of
// them is linked.
constexpr UINT kWtsSessionChange = 0x02B1;  // WM_WTSSESSION_CHANGE
constexpr WPARAM kConsoleConnect = 1, kConsoleDisconnect = 2, kRemoteConnect = 3,
                 kRemoteDisconnect = 4, kSessionLock = 7, kSessionUnlock = 8;
constexpr WPARAM kPowerSettingChange = 0x8013;  // PBT_POWERSETTINGCHANGE
constexpr DWORD kNotifyForThisSession = 0, kNotifyWindowHandle = 0;
// The console display's state (Windows 8 on: 0 off, 1 on, 2 dimmed) and the monitors'
// power (Vista and 7: 0 off, 1 on).
constexpr GUID kConsoleDisplayState = {0x6FE69556, 0x704A, 0x47A0, {0x8F, 0x24, 0xC2, 0x8D, 0x93, 0x6F, 0xDA, 0x47}};
constexpr GUID kMonitorPowerOn = {0x02731015, 0x4510, 0x4526, {0x99, 0xE6, 0xE5, 0xA1, 0x7E, 0xBD, 0x1A, 0xEA}};

struct PowerSetting {  // POWERBROADCAST_SETTING
    GUID setting;
    DWORD length;
    UCHAR data[1];
};

using RegisterPowerProc = HANDLE(WINAPI*)(HANDLE recipient, const GUID* setting, DWORD flags);
using UnregisterPowerProc = BOOL(WINAPI*)(HANDLE notification);
using RegisterSessionProc = BOOL(WINAPI*)(HWND window, DWORD flags);
using UnregisterSessionProc = BOOL(WINAPI*)(HWND window);

bool displayOff = false;
bool locked = false;
bool disconnected = false;

HWND watched = nullptr;
HANDLE powerNotifications[2] = {};
Module wtsapi;  // stays loaded while the session notifications are registered

Module User32() { return Module::Loaded("user32.dll"); }

void NoteSessionChange(WPARAM change) {
    switch (change) {
    case kSessionLock: locked = true; break;
    case kSessionUnlock: locked = false; break;
    case kConsoleDisconnect:
    case kRemoteDisconnect: disconnected = true; break;
    case kConsoleConnect:
    case kRemoteConnect: disconnected = false; break;
    default: break;
    }
}

bool NotePowerSetting(LPARAM lParam) {
    const auto* setting = reinterpret_cast<const PowerSetting*>(lParam);
    if (!setting || setting->length < sizeof(DWORD)) return false;
    const bool display = std::memcmp(&setting->setting, &kConsoleDisplayState, sizeof(GUID)) == 0 ||
                         std::memcmp(&setting->setting, &kMonitorPowerOn, sizeof(GUID)) == 0;
    if (!display) return false;
    DWORD state;
    std::memcpy(&state, setting->data, sizeof state);
    displayOff = state == 0;  // dimmed is still seen
    return true;
}
}  // namespace

void WatchVisibility(HWND window) {
    displayOff = locked = disconnected = false;
    watched = window;
    if (auto registerPower = User32().Find<RegisterPowerProc>("RegisterPowerSettingNotification")) {
        powerNotifications[0] = registerPower(window, &kConsoleDisplayState, kNotifyWindowHandle);
        powerNotifications[1] = registerPower(window, &kMonitorPowerOn, kNotifyWindowHandle);
    }
    wtsapi = Module::FromSystemDirectory("wtsapi32.dll");
    auto registerSession = wtsapi.Find<RegisterSessionProc>("WTSRegisterSessionNotification");
    if (!registerSession || !registerSession(window, kNotifyForThisSession)) wtsapi = Module();
}

void StopWatchingVisibility() {
    if (auto unregisterPower = User32().Find<UnregisterPowerProc>("UnregisterPowerSettingNotification")) {
        for (HANDLE& notification : powerNotifications)
            if (notification) unregisterPower(notification);
    }
    powerNotifications[0] = powerNotifications[1] = nullptr;
    if (auto unregisterSession = wtsapi.Find<UnregisterSessionProc>("WTSUnRegisterSessionNotification"))
        unregisterSession(watched);
    wtsapi = Module();
    watched = nullptr;
}

bool NoteVisibilityMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MONITORPOWER) displayOff = lParam == 1 || lParam == 2;
        return false;
    case WM_POWERBROADCAST:
        return wParam == kPowerSettingChange && NotePowerSetting(lParam);
    case kWtsSessionChange:
        NoteSessionChange(wParam);
        return false;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        displayOff = false;  // the system turns the display on for input
        return false;
    default:
        return false;
    }
}

bool NobodyCanSee() { return displayOff || locked || disconnected; }
