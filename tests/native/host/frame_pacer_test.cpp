// The frame pacer against a fake clock: frames that come too fast are held to the
// interval, slow frames are not held at all, and a coarse timer keeps the average.
#include "frame_pacer.h"

#include <gtest/gtest.h>

namespace {
// Frames started in `spanMs` of a loop whose frame takes `drawMs`, whose waits overshoot
// by `overshootMs`, paced at `intervalMs`.
int FramesIn(double spanMs, double intervalMs, double drawMs, double overshootMs) {
    FramePacer pacer(intervalMs);
    double now = 0.0;
    int frames = 0;
    while (now < spanMs) {
        if (unsigned wait = pacer.WaitMs(now)) {
            now += wait + overshootMs;
            continue;
        }
        pacer.FrameStarted(now);
        ++frames;
        now += drawMs;
    }
    return frames;
}
}  // namespace

TEST(FramePacer, IntervalFollowsTheRefreshAndCapsThePreview) {
    EXPECT_DOUBLE_EQ(PacingIntervalMs(60, false), 1000.0 / 64.0);
    EXPECT_DOUBLE_EQ(PacingIntervalMs(144, false), 1000.0 / 144.0 * 15.0 / 16.0);
    EXPECT_DOUBLE_EQ(PacingIntervalMs(0, false), PacingIntervalMs(60, false));
    EXPECT_DOUBLE_EQ(PacingIntervalMs(1, false), PacingIntervalMs(60, false));
    EXPECT_DOUBLE_EQ(PacingIntervalMs(144, true), 1000.0 / 30.0);
}

TEST(FramePacer, FastFramesAreHeldToTheRate) {
    // Ten seconds of frames that take 0.5 ms: 30 a second in the preview, about 64
    // a second full screen at 60 Hz, also when every wait overshoots by 10 ms.
    EXPECT_NEAR(FramesIn(10000, PacingIntervalMs(60, true), 0.5, 0.0), 300, 2);
    EXPECT_NEAR(FramesIn(10000, PacingIntervalMs(60, false), 0.5, 0.0), 640, 2);
    EXPECT_NEAR(FramesIn(10000, PacingIntervalMs(60, false), 0.5, 10.0), 640, 20);
}

TEST(FramePacer, SlowFramesAndPausesAreNotHeldOrMadeUp) {
    // Frames of 40 ms at a 16 ms interval: never a wait, one frame per 40 ms.
    EXPECT_EQ(FramesIn(4000, 16.0, 40.0, 0.0), 100);

    FramePacer pacer(10.0);
    EXPECT_EQ(pacer.WaitMs(0.0), 0u);
    pacer.FrameStarted(0.0);
    EXPECT_EQ(pacer.WaitMs(3.0), 7u);
    // After a pause of a second the next frame is due at once, and the one after that
    // a full interval later: no burst of frames to catch up.
    pacer.FrameStarted(1000.0);
    EXPECT_EQ(pacer.WaitMs(1000.0), 10u);
    // A clock that jumps back never asks for more than one interval.
    EXPECT_LE(pacer.WaitMs(-5000.0), 10u);
}
