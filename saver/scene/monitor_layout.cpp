// Monitor layout arithmetic; see monitor_layout.h.
#include "monitor_layout.h"

#include <algorithm>
#include <cstddef>

namespace {
bool Empty(const ScreenRect& r) { return r.right <= r.left || r.bottom <= r.top; }

// Distance along one axis from `value` to the span [low, high).
long long Gap(int value, int low, int high) {
    if (value < low) return static_cast<long long>(low) - value;
    if (value >= high) return static_cast<long long>(value) - high + 1;
    return 0;
}
}  // namespace

ScreenRect VirtualScreenOf(const std::vector<ScreenRect>& monitors) {
    ScreenRect all;
    bool first = true;
    for (const ScreenRect& m : monitors) {
        if (Empty(m)) continue;
        if (first) {
            all = m;
            first = false;
            continue;
        }
        all.left = std::min(all.left, m.left);
        all.top = std::min(all.top, m.top);
        all.right = std::max(all.right, m.right);
        all.bottom = std::max(all.bottom, m.bottom);
    }
    return all;
}

Viewport ViewportFor(const ScreenRect& monitor, const ScreenRect& window) {
    Viewport v;
    v.x = monitor.left - window.left;
    v.y = window.bottom - monitor.bottom;
    v.width = monitor.Width();
    v.height = monitor.Height();
    return v;
}

int MonitorAt(const std::vector<ScreenRect>& monitors, int x, int y) {
    int best = -1;
    long long bestDistance = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const ScreenRect& m = monitors[i];
        if (Empty(m)) continue;
        const long long dx = Gap(x, m.left, m.right), dy = Gap(y, m.top, m.bottom);
        const long long distance = dx * dx + dy * dy;
        if (best < 0 || distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
}

ScreenPoint CentreOfMonitor(const ScreenRect& monitor) {
    return ScreenPoint{static_cast<float>(monitor.left + monitor.Width() / 2),
                       static_cast<float>(monitor.top + monitor.Height() / 2)};
}
