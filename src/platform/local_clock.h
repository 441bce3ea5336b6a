#pragma once

#include <functional>

#include "core/time/civil_time.h"

namespace quorvel {

// Where the current moment comes from; tests hand in their own to move time without waiting.
using LocalClock = std::function<LocalMoment()>;

// The wall clock in the user's time zone, to the millisecond.
LocalMoment CurrentLocalMoment();

}  // namespace quorvel
