// The machine's side of the frame budget; see processor_share.h.
#include "processor_share.h"

#include <windows.h>

#include "frame_budget.h"
#include "module.h"
#include "steady_clock.h"

namespace {
using GetProcessTimesProc = BOOL(WINAPI*)(HANDLE, LPFILETIME, LPFILETIME, LPFILETIME, LPFILETIME);
using GetSystemPowerStatusProc = BOOL(WINAPI*)(LPSYSTEM_POWER_STATUS);

// Kernel and user time of this process in milliseconds; negative where the system cannot
// say (GetProcessTimes is missing before NT, and fails on the Windows 95 family).
double ProcessMilliseconds() {
    static const auto getTimes =
        Module::Loaded("kernel32.dll").Find<GetProcessTimesProc>("GetProcessTimes");
    FILETIME created, ended, kernel, user;
    if (!getTimes || !getTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return -1.0;
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}
}  // namespace

CostClock::CostClock() : processTime_(ProcessMilliseconds() >= 0.0) {}

double CostClock::Now() const { return processTime_ ? ProcessMilliseconds() : drawing_; }

void CostClock::DrawingStarts() {
    if (!processTime_) drawStart_ = SteadyMilliseconds();
}

void CostClock::DrawingEnds() {
    if (!processTime_) drawing_ += SteadyMilliseconds() - drawStart_;
}

double BudgetCores() {
    static const auto getStatus =
        Module::Loaded("kernel32.dll").Find<GetSystemPowerStatusProc>("GetSystemPowerStatus");
    SYSTEM_POWER_STATUS status{};
    const bool battery = getStatus && getStatus(&status) && status.ACLineStatus == 0;
    return battery ? FRAME_BUDGET_CORES / 2 : FRAME_BUDGET_CORES;
}

bool RemoteSession() {
    constexpr int kRemoteSession = 0x1000;  // SM_REMOTESESSION; 0 where it is unknown
    return GetSystemMetrics(kRemoteSession) != 0;
}
