#include "LocalClock.h"

#include <ctime>

namespace {

std::chrono::year_month_day MachineToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return std::chrono::year { local.tm_year + 1900 } / (local.tm_mon + 1) / local.tm_mday;
}

LocalClock& clockInUse()
{
    static LocalClock clock;
    return clock;
}

} // namespace

std::chrono::year_month_day LocalToday() { return clockInUse() ? clockInUse()() : MachineToday(); }

void SetLocalClock(LocalClock clock) { clockInUse() = std::move(clock); }
