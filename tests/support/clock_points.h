// Points of a test's own steady clock, in milliseconds.
#pragma once

#include "runtime/interval_timer.h"

#include <chrono>

namespace orbo {

// Points of a test's own steady clock, in milliseconds from its epoch.
inline IntervalSchedule::Clock::time_point At(int ms) {
    return IntervalSchedule::Clock::time_point(std::chrono::milliseconds(ms));
}

inline long long Ms(IntervalSchedule::Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

} // namespace orbo
