// The saver's share of the processor: the cost of its frames measured over windows of a
// couple of seconds, and the frame rate stepped down when they cost more than the budget
// (half the rate first, then lower, never below about MIN_BUDGET_FPS) and up again only
// with a clear margin and not more often than once in STEP_UP_HOLD_MS. Portable: the
// caller supplies both clocks, in milliseconds.
#pragma once

// Processor time the saver may take, in cores (1.0 is one processor kept busy).
constexpr double FRAME_BUDGET_CORES = 0.3;
// The lowest rate the budget steps down to, about: below it the turning logo judders.
constexpr double MIN_BUDGET_FPS = 15.0;
// Frames are measured over windows at least this long.
constexpr double BUDGET_WINDOW_MS = 2000.0;
// The first frames after the start (shaders, first texture use) are not measured.
constexpr double BUDGET_WARMUP_MS = 1000.0;
// A gap between two frames longer than this is a pause (a modal box, the display off, a
// suspended machine, a clock that jumped): the window it falls in is not measured.
constexpr double BUDGET_PAUSE_MS = 250.0;
// A step up needs the faster rate's expected cost within this share of the budget...
constexpr double STEP_UP_MARGIN = 0.7;
// ...and this long since the rate last changed.
constexpr double STEP_UP_HOLD_MS = 30000.0;

class FrameBudget {
public:
    // `baseIntervalMs`: the pacing interval at the full rate; `budgetCores`: the budget.
    FrameBudget(double baseIntervalMs, double budgetCores);

    // The full rate's interval changes (the display's refresh did); the divisor stays
    // within the new range.
    void SetBaseInterval(double baseIntervalMs);
    // A new budget (halved on battery, for instance), from the next window on.
    void SetBudget(double budgetCores);
    // Steps down once at the start (a remote session, where every frame crosses the
    // network).
    void StartReduced();

    // A frame starts at `nowMs` while the cost clock reads `costMs`: the process time used
    // so far, or the time spent drawing so far where process time cannot be read.
    void FrameStarted(double nowMs, double costMs);
    // Frames stop for a while (the saver is paused): the window under way is dropped.
    void Pause();

    // Milliseconds between frames: the full rate's interval times the divisor.
    double IntervalMs() const { return base_ * divisor_; }
    // 1 at the full rate, 2 at half of it, and so on.
    int Divisor() const { return divisor_; }
    // Cores the last measured window took; negative before the first.
    double LastLoad() const { return lastLoad_; }

private:
    int MaxDivisor() const;
    void Judge(double nowMs, double costMs);

    double base_;
    double budget_;
    int divisor_ = 1;
    bool started_ = false;
    double firstFrameMs_ = 0.0;
    double lastFrameMs_ = 0.0;
    bool windowOpen_ = false;
    double windowStartMs_ = 0.0;
    double windowStartCost_ = 0.0;
    int windowFrames_ = 0;
    double lastChangeMs_ = 0.0;
    double lastLoad_ = -1.0;
};
