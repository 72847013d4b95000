// Arithmetic of the close rules; see close_rules.h.
#include "close_rules.h"

bool PointerBeyondThreshold(SaverPoint anchor, SaverPoint now, std::int32_t threshold) {
    auto distance = [](std::int32_t a, std::int32_t b) {
        std::int64_t d = static_cast<std::int64_t>(a) - b;
        return d < 0 ? -d : d;
    };
    return distance(now.x, anchor.x) > threshold || distance(now.y, anchor.y) > threshold;
}

bool GracePeriodOver(std::uint32_t startTick, std::uint32_t nowTick, std::uint32_t delaySeconds) {
    std::uint32_t elapsed = nowTick - startTick;
    return static_cast<std::uint64_t>(elapsed) > static_cast<std::uint64_t>(delaySeconds) * 1000u;
}
