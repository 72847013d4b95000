// A steady clock for frame timing and pacing.
#pragma once

// Milliseconds since an arbitrary start: the performance counter, or the tick count on
// a machine without one.
double SteadyMilliseconds();
