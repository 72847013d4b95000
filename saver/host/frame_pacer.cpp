// Frame pacing; see frame_pacer.h.
#include "frame_pacer.h"

double PacingIntervalMs(int refreshHz, bool preview) {
    if (preview) return 1000.0 / PREVIEW_MAX_FPS;
    const int hz = refreshHz > 1 ? refreshHz : DEFAULT_REFRESH_HZ;
    return 1000.0 / hz * 15.0 / 16.0;
}

unsigned FramePacer::WaitMs(double nowMs) const {
    if (!started_ || nowMs >= due_) return 0;
    const double wait = due_ - nowMs;
    // A clock that jumped back leaves at most one interval to wait.
    return static_cast<unsigned>(wait < interval_ ? wait : interval_);
}

void FramePacer::FrameStarted(double nowMs) {
    if (!started_ || nowMs - due_ >= interval_ || nowMs < due_ - interval_)
        due_ = nowMs + interval_;
    else
        due_ += interval_;
    started_ = true;
}
