// Frame pacing for the saver's loop: when frames come faster than the display refreshes
// (no swap control, or a driver that ignores it), the loop waits between them so that
// the processor is not kept busy drawing frames nobody sees. Portable: the caller
// supplies the clock, in milliseconds.
#pragma once

// The preview box draws at most this many frames per second.
constexpr int PREVIEW_MAX_FPS = 30;
// Refresh rate assumed when the display does not report one.
constexpr int DEFAULT_REFRESH_HZ = 60;

// Milliseconds between paced frames for a display refreshing `refreshHz` times a second
// (0 or 1, "the hardware's default", counts as DEFAULT_REFRESH_HZ), and at most
// PREVIEW_MAX_FPS frames a second in the preview. Full-screen frames may come a
// sixteenth faster than the refresh: the reported rate is rounded (59 for 59.94 Hz) and
// a pacer slower than the real refresh would make swap control miss every so many
// refreshes.
double PacingIntervalMs(int refreshHz, bool preview);

// Deadlines one interval apart. A frame that starts late moves the next deadline on
// from itself, so a slow frame or a long pause never brings a burst of catch-up frames;
// a wait that overshoots is made up by the next ones, so the average rate holds even
// with a coarse system timer.
class FramePacer {
public:
    explicit FramePacer(double intervalMs) : interval_(intervalMs) {}

    // Whole milliseconds to wait at time `nowMs` before the next frame is due; 0 when
    // it is due (or no frame has started yet).
    unsigned WaitMs(double nowMs) const;

    // Records that a frame starts at `nowMs`.
    void FrameStarted(double nowMs);

    // A new interval, from the next frame on.
    void SetInterval(double intervalMs) { interval_ = intervalMs; }

private:
    double interval_;
    double due_ = 0.0;
    bool started_ = false;
};
