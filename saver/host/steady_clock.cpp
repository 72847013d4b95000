// The steady clock; see steady_clock.h.
#include "steady_clock.h"

#include <windows.h>

double SteadyMilliseconds() {
    static LARGE_INTEGER frequency{};
    static const bool counter = QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0;
    LARGE_INTEGER now{};
    if (counter && QueryPerformanceCounter(&now))
        return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
    return static_cast<double>(GetTickCount());
}
