// The monitors of the desktop and the display's refresh rate, as the full-screen saver
// needs them.
#pragma once

#include <vector>

#include "monitor_layout.h"

// Every monitor's rectangle in screen coordinates, primary first. The multi-monitor
// functions are looked up at run time; where they do not exist (Windows 95, NT 4.0)
// or fail, the one primary screen from the system metrics.
std::vector<ScreenRect> DesktopMonitors();

// The current display mode's refresh rate in hertz; 0 when the system does not say.
int DisplayRefreshRate();
