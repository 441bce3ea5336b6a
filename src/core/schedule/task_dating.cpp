#include "core/schedule/task_dating.h"

#include <utility>

#include "core/schedule/calendar.h"
#include "core/schedule/display_line.h"
#include "core/schedule/occurrence_date.h"
#include "core/schedule/order_tasks.h"
#include "core/schedule/repeat_text.h"
#include "core/tasks/repeat_part_views.h"

namespace quorvel {

namespace {

// Dates an enabled task and returns its status. A task whose time or repetition cannot be read
// gets no occurrence and counts as Passed: there is nothing to fire.
std::string_view DateOccurrence(ScheduleRow& row, const RepeatPartViews& parts, const LocalMoment& now,
                                const TimeFormat& format)
{
    const std::optional<TimeOfDay> start = format.ParseTime(row.record.StartTime);
    if (!start) {
        return kStatusPassed;
    }
    const std::optional<Date> date = OccurrenceDate(row.record, parts, *start, now);
    if (!date) {
        return kStatusPassed;
    }
    const LocalMoment occurrence{*date, *start, 0};
    row.occurrence = occurrence;
    row.nextDate.clear();
    AppendDateText(row.nextDate, *date);
    row.orderKey = SecondsToOccurrence(occurrence, now);
    return occurrence >= now ? kStatusWaiting : kStatusPassed;
}

}  // namespace

ScheduleRow DateTask(TaskRecord record, const LocalMoment& now, const TimeFormat& format,
                     const ScheduleTexts& texts)
{
    ScheduleRow row;
    row.record = std::move(record);
    DateRow(row, now, format, texts);
    return row;
}

void DateRow(ScheduleRow& row, const LocalMoment& now, const TimeFormat& format, const ScheduleTexts& texts)
{
    // Views into the record's own RepeatCode, which outlives every use below.
    const RepeatPartViews parts = ViewRepeatCode(row.record.RepeatCode);
    row.kind = parts.kind;
    if (row.record.State == kStateEnabled) {
        row.taskStatus = DateOccurrence(row, parts, now, format);
    } else {
        row.taskStatus = row.record.State;
    }
    // The list line holds the repeat text, so both come from one set of pieces, copied once.
    TextPieces line;
    AddDisplayLineStart(line, row.taskStatus, texts);
    const std::size_t repeatStart = line.Size();
    AddRepeatText(line, row.record, parts, texts);
    const std::size_t repeatSize = line.Size() - repeatStart;
    AddDisplayLineEnd(line, row.record.StartTime, row.record.Title, texts);
    row.displayLine = line.Joined();
    row.repeatText = std::string(row.displayLine.data() + repeatStart, repeatSize);
}

}  // namespace quorvel
