#pragma once

#include "core/time/civil_time.h"

namespace quorvel {

// How far after a whole second the tick is aimed: late enough that a timer which fires a little
// early still lands in the second it was meant for.
inline constexpr int kTickLeadMilliseconds = 5;

// Milliseconds from `now` to the next tick: just after the next whole second. Aiming every tick
// afresh keeps the ticks on their seconds, where a free-running interval would drift across them.
int MillisecondsToNextTick(const LocalMoment& now);

}  // namespace quorvel
