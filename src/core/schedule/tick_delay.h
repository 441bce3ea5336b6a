#pragma once

#include "core/time/civil_time.h"

namespace quorvel {

// How far after a whole second the tick is aimed. Every millisecond of it delays every firing, so
// it is kept small: the delay is counted from a clock truncated to the millisecond and a precise
// timer does not expire before it, so the tick is only early when the wall clock runs slower than
// the timer's clock (a slewing clock: well under a millisecond a second). Should it still land
// before the second, that tick finds nothing due and aims the next one a millisecond or two on.
inline constexpr int kTickLeadMilliseconds = 1;

// Milliseconds from `now` to the next tick: just after the next whole second. Aiming every tick
// afresh keeps the ticks on their seconds, where a free-running interval would drift across them.
int MillisecondsToNextTick(const LocalMoment& now);

}  // namespace quorvel
