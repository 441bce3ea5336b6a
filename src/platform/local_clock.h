#pragma once

#include "core/time/civil_time.h"

namespace quorvel {

// The wall clock in the user's time zone, to the millisecond.
LocalMoment CurrentLocalMoment();

}  // namespace quorvel
