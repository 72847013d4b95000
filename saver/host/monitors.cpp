// Monitor enumeration with a fallback for systems without it; see monitors.h.
#include "monitors.h"

#include <windows.h>

#include "module.h"

namespace {
using EnumDisplayMonitorsProc = BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
using GetMonitorInfoProc = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

struct Enumeration {
    GetMonitorInfoProc getInfo;
    std::vector<ScreenRect> monitors;
};

template <typename Proc>
Proc FindUser32(const char* name) {
    // user32 is loaded by every GUI program; it is borrowed, not loaded again.
    return Module::Loaded("user32.dll").Find<Proc>(name);
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    Enumeration& e = *reinterpret_cast<Enumeration*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!e.getInfo(monitor, &info)) return TRUE;
    const ScreenRect r{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right,
                       info.rcMonitor.bottom};
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        e.monitors.insert(e.monitors.begin(), r);
    else
        e.monitors.push_back(r);
    return TRUE;
}
}  // namespace

std::vector<ScreenRect> DesktopMonitors() {
    Enumeration e{FindUser32<GetMonitorInfoProc>("GetMonitorInfoA"), {}};
    auto enumerate = FindUser32<EnumDisplayMonitorsProc>("EnumDisplayMonitors");
    if (enumerate && e.getInfo) enumerate(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&e));
    if (VirtualScreenOf(e.monitors).Width() > 0) return e.monitors;
    return {ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}};
}

int DisplayRefreshRate() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 0;
    return static_cast<int>(mode.dmDisplayFrequency);
}
