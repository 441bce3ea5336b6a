#pragma once

#include <optional>

#include "core/tasks/repeat_part_views.h"
#include "core/tasks/task_record_view.h"
#include "core/time/civil_time.h"

namespace quorvel {

// The date of an enabled task's next occurrence, seen at `now`, for a task starting at `start`.
// Nothing when the RepeatCode cannot be dated: parts that are no numbers or form no date, or a
// code of no known kind. A Monthly day missing from a month falls on the month's last day; an
// Annually 29 February falls on 28 February in a common year.
std::optional<Date> OccurrenceDate(const TaskRecordView& record, const RepeatPartViews& parts,
                                   const TimeOfDay& start, const LocalMoment& now);

}  // namespace quorvel
