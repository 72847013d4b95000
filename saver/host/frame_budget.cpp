// The frame budget; see frame_budget.h.
#include "frame_budget.h"

FrameBudget::FrameBudget(double baseIntervalMs, double budgetCores)
    : base_(baseIntervalMs > 0.0 ? baseIntervalMs : 1.0), budget_(budgetCores) {}

int FrameBudget::MaxDivisor() const {
    // "About" the minimum: a rate within a thirtieth of it still counts.
    int divisor = 1;
    while (1000.0 / (base_ * (divisor + 1)) >= MIN_BUDGET_FPS * 29.0 / 30.0) ++divisor;
    return divisor;
}

void FrameBudget::SetBaseInterval(double baseIntervalMs) {
    if (baseIntervalMs > 0.0) base_ = baseIntervalMs;
    if (divisor_ > MaxDivisor()) divisor_ = MaxDivisor();
    windowOpen_ = false;
}

void FrameBudget::SetBudget(double budgetCores) {
    budget_ = budgetCores;
    windowOpen_ = false;
}

void FrameBudget::StartReduced() {
    if (divisor_ < MaxDivisor()) ++divisor_;
}

void FrameBudget::Pause() { windowOpen_ = false; }

void FrameBudget::FrameStarted(double nowMs, double costMs) {
    if (!started_) {
        started_ = true;
        firstFrameMs_ = lastFrameMs_ = lastChangeMs_ = nowMs;
        return;
    }
    const double gap = nowMs - lastFrameMs_;
    lastFrameMs_ = nowMs;
    if (gap < 0.0 || gap > BUDGET_PAUSE_MS) {
        windowOpen_ = false;  // a pause or a clock that jumped
        return;
    }
    if (nowMs - firstFrameMs_ < BUDGET_WARMUP_MS) return;
    if (!windowOpen_) {
        windowOpen_ = true;
        windowStartMs_ = nowMs;
        windowStartCost_ = costMs;
        windowFrames_ = 0;
        return;
    }
    ++windowFrames_;
    if (nowMs - windowStartMs_ >= BUDGET_WINDOW_MS) Judge(nowMs, costMs);
}

void FrameBudget::Judge(double nowMs, double costMs) {
    windowOpen_ = false;
    const double span = nowMs - windowStartMs_, cost = costMs - windowStartCost_;
    // A cost clock that went back or leapt ahead says nothing about the frames.
    if (cost < 0.0 || cost > span * 64.0 || windowFrames_ == 0) return;
    const double load = cost / span;
    lastLoad_ = load;
    if (load > budget_) {
        if (divisor_ < MaxDivisor()) {
            ++divisor_;
            lastChangeMs_ = nowMs;
        }
        return;
    }
    if (divisor_ == 1 || nowMs - lastChangeMs_ < STEP_UP_HOLD_MS) return;
    // The faster rate costs the same per frame, with more frames a second.
    const double costPerFrame = cost / windowFrames_;
    const double faster = costPerFrame / (base_ * (divisor_ - 1));
    if (faster <= budget_ * STEP_UP_MARGIN) {
        --divisor_;
        lastChangeMs_ = nowMs;
    }
}
