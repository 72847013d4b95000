// Arithmetic of the saver window's close rules: pointer travel and the grace period
// during which closing asks for no password.
#pragma once

#include <cstdint>

#include "settings.h"

// True when the pointer at `now` is more than `threshold` pixels from `anchor` on
// either axis (strictly more; computed without overflow).
bool PointerBeyondThreshold(SaverPoint anchor, SaverPoint now, std::int32_t threshold);

// True when more than `delaySeconds` seconds have passed between the tick counts
// `startTick` and `nowTick` (milliseconds; the difference is taken modulo 2^32, so a
// wrap of the tick count in between is harmless).
bool GracePeriodOver(std::uint32_t startTick, std::uint32_t nowTick, std::uint32_t delaySeconds);
