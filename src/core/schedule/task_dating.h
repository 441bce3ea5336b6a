#pragma once

#include "core/schedule/schedule_row.h"
#include "core/schedule/schedule_texts.h"
#include "core/tasks/task_record.h"
#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// Dates one parsed task at `now` and fills every column of its row. Only a task whose State is
// exactly "Enabled" is dated. An enabled task whose StartTime or RepeatCode cannot be read gets no
// occurrence and the status Passed: it is listed but can never fire.
ScheduleRow DateTask(TaskRecord record, const LocalMoment& now, const TimeFormat& format,
                     const ScheduleTexts& texts);

// The same for a row whose record is already in place, filling the other columns where the row
// stands (a row is large; a rebuild of many tasks should not move it).
void DateRow(ScheduleRow& row, const LocalMoment& now, const TimeFormat& format, const ScheduleTexts& texts);

}  // namespace quorvel
