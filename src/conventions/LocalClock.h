#pragma once

#include <chrono>
#include <functional>

// Today's civil date on the local clock. Tests replace the clock to fix "today"
// (the two-digit-year window and the reference date depend on it).
std::chrono::year_month_day LocalToday();

using LocalClock = std::function<std::chrono::year_month_day()>;
// An empty clock restores the machine's own.
void SetLocalClock(LocalClock clock);
