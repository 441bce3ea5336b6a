#pragma once

#include <optional>

#include "core/schedule/schedule_table.h"
#include "core/time/civil_time.h"

namespace quorvel {

// True when a task still to come holds the power-on action (its field not empty).
bool PowerOnPending(const ScheduleTable& table);

// The moment the wake timer is to be armed for: the occurrence (milliseconds 0) of the power-on
// task that comes soonest after `now`, counting only tasks still to come whose PowerOn field is
// exactly "Power-on". Nothing when there is none, and then no power-on task is pending.
std::optional<LocalMoment> WakeMoment(const ScheduleTable& table, const LocalMoment& now);

}  // namespace quorvel
