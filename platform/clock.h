// Time for the event loop: a monotonic clock and the tick period.
#pragma once

#include <chrono>

namespace platform {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;
using Nanoseconds = std::chrono::nanoseconds;

// A window timer delivers 64 ticks a second, whatever interval it asks for.
inline constexpr Nanoseconds TickPeriod{15'625'000};

}  // namespace platform
