// Where the monitors lie on the virtual screen and what that means for the full-screen
// window: its extent, each monitor's viewport inside it, the monitor under the pointer
// and the centre the steering is measured from. Screen coordinates, as the system gives
// them: the primary monitor's top-left corner is 0,0, and monitors left of or above it
// have negative coordinates. Portable.
#pragma once

#include <vector>

#include "scene_view.h"

// A rectangle in screen pixels; right and bottom are exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// An OpenGL viewport: x from the window's left edge, y from its bottom edge.
struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The smallest rectangle that holds every monitor; all zero when there are none.
// Empty rectangles are left out.
ScreenRect VirtualScreenOf(const std::vector<ScreenRect>& monitors);

// The viewport that shows `monitor` in a window whose client area covers `window`.
Viewport ViewportFor(const ScreenRect& monitor, const ScreenRect& window);

// Index of the monitor holding screen point (x, y); when none does (a point in a gap of
// an uneven layout), the nearest one. -1 when there are no monitors.
int MonitorAt(const std::vector<ScreenRect>& monitors, int x, int y);

// Centre of a monitor in screen coordinates: its left and top plus its halved width
// and height (integer halving, as for a window's client area).
ScreenPoint CentreOfMonitor(const ScreenRect& monitor);
