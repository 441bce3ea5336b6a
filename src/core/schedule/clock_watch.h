#pragma once

#include "core/schedule/clock_watch_record.h"
#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// The outcome of one clock-watch run: either the schedule must be rebuilt (the date changed or
// the clock jumped), or the run was quiet and `record` is what to remember until the next one.
struct ClockWatchDecision {
    bool rebuild = false;
    ClockWatchRecord record;  // set on a quiet run only
};

// Compares the clock at `now` with the last record, as text. A minute step, or an hour step from
// minute 59, is quiet; anything else that moves the hour or minute asks for a rebuild.
ClockWatchDecision WatchClock(const ClockWatchRecord& last, const LocalMoment& now, const TimeFormat& format);

}  // namespace quorvel
