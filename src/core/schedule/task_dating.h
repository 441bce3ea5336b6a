#pragma once

#include "core/schedule/schedule_row.h"
#include "core/schedule/schedule_texts.h"
#include "core/tasks/task_record.h"
#include "core/text/text_store.h"
#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// Dates one parsed task at `now` and fills every column of its row. Only a task whose State is
// exactly "Enabled" is dated. An enabled task whose StartTime or RepeatCode cannot be read gets no
// occurrence and the status Passed: it is listed but can never fire.
ScheduleRow DateTask(TaskRecord record, const LocalMoment& now, const TimeFormat& format,
                     const ScheduleTexts& texts);

// The same for a row whose fields are already in place, filling the other columns where the row
// stands. The list texts are kept in `store`, which the row must keep alive.
void DateRow(ScheduleRow& row, const LocalMoment& now, const TimeFormat& format, const ScheduleTexts& texts,
             TextStore& store);

}  // namespace quorvel
