#pragma once

#include <chrono>

#include "core/time/civil_time.h"

namespace quorvel {

// The UTC moment at which the local clock of this process's time zone shows `local`, with the
// zone offset in force at that moment rather than now, so a wake time across a daylight-saving
// change is not an hour off. Milliseconds are dropped.
//
// A time that occurs twice (the hour repeated when clocks go back) gives its first occurrence,
// the one the clock reaches first. A time that never occurs (skipped when clocks go forward)
// is read with the offset in force before the change, so it lands that far after the gap starts.
std::chrono::sys_seconds LocalToUtc(const LocalMoment& local);

}  // namespace quorvel
