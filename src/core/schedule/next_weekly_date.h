#pragma once

#include <array>

#include "core/tasks/task_field_view.h"
#include "core/time/civil_time.h"

namespace quorvel {

// The next day, from today on, whose weekday flag (Monday first, set when not empty) is set.
// Today counts until its start time has gone by (to the millisecond), the same weekday next week
// only after that. With no such day the answer is yesterday, which makes the task Passed.
Date NextWeeklyDate(const std::array<TaskFieldView, 7>& weekdayFlags, const TimeOfDay& start,
                    const LocalMoment& now);

}  // namespace quorvel
