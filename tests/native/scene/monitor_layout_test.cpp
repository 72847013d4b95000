// Monitor layout: the window over all monitors, each monitor's viewport, the monitor
// under the pointer and the steering centre, with monitors at negative coordinates.
#include "monitor_layout.h"

#include <gtest/gtest.h>

namespace {
// A 1024x768 primary with an 800x600 monitor to its left, top-aligned.
const std::vector<ScreenRect> kLeftOfPrimary = {{0, 0, 1024, 768}, {-800, 0, 0, 600}};
}  // namespace

TEST(MonitorLayout, VirtualScreenHoldsEveryMonitorIncludingNegativeOnes) {
    const ScreenRect all = VirtualScreenOf(kLeftOfPrimary);
    EXPECT_EQ(all.left, -800);
    EXPECT_EQ(all.top, 0);
    EXPECT_EQ(all.right, 1024);
    EXPECT_EQ(all.bottom, 768);

    const ScreenRect above = VirtualScreenOf({{0, 0, 1920, 1080}, {0, -1080, 1920, 0}, {5, 5, 5, 9}});
    EXPECT_EQ(above.top, -1080);
    EXPECT_EQ(above.Height(), 2160);
    EXPECT_EQ(above.Width(), 1920);  // the empty rectangle is left out
    EXPECT_EQ(VirtualScreenOf({}).Width(), 0);
}

TEST(MonitorLayout, ViewportsCountFromTheWindowsBottomLeft) {
    const ScreenRect window = VirtualScreenOf(kLeftOfPrimary);
    const Viewport primary = ViewportFor(kLeftOfPrimary[0], window);
    EXPECT_EQ(primary.x, 800);
    EXPECT_EQ(primary.y, 0);
    EXPECT_EQ(primary.width, 1024);
    EXPECT_EQ(primary.height, 768);
    // The shorter monitor is top-aligned: its viewport starts 168 rows up.
    const Viewport left = ViewportFor(kLeftOfPrimary[1], window);
    EXPECT_EQ(left.x, 0);
    EXPECT_EQ(left.y, 168);
    EXPECT_EQ(left.width, 800);
    EXPECT_EQ(left.height, 600);
    // Each viewport gets its own monitor's aspect.
    EXPECT_DOUBLE_EQ(ProjectionFor(left.width, left.height).aspect, 800.0 / 600.0);
}

TEST(MonitorLayout, PointerPicksItsMonitorOrTheNearestAndSteersFromItsCentre) {
    EXPECT_EQ(MonitorAt(kLeftOfPrimary, -1, 0), 1);
    EXPECT_EQ(MonitorAt(kLeftOfPrimary, 0, 0), 0);
    EXPECT_EQ(MonitorAt(kLeftOfPrimary, -400, 700), 1);  // below the short monitor
    EXPECT_EQ(MonitorAt(kLeftOfPrimary, 5000, 10), 0);
    EXPECT_EQ(MonitorAt({}, 0, 0), -1);

    const ScreenPoint centre = CentreOfMonitor(kLeftOfPrimary[1]);
    EXPECT_EQ(centre.x, -400.0f);
    EXPECT_EQ(centre.y, 300.0f);
    // 120 pixels right of that centre steers as on a single monitor.
    const Vec3 rate = SteerRateFor(Vec3{}, centre, -400 + 120, 300);
    EXPECT_FLOAT_EQ(rate.y, 1.0f);
    EXPECT_EQ(rate.x, 0.0f);
    // A single monitor at the origin has the centre of its client area.
    const ScreenPoint single = CentreOfMonitor({0, 0, 301, 200});
    EXPECT_EQ(single.x, CentreOf(301, 200).x);
    EXPECT_EQ(single.y, CentreOf(301, 200).y);
}
