#include "core/schedule/task_dating.h"

#include <utility>

#include "core/schedule/calendar.h"
#include "core/schedule/display_line.h"
#include "core/schedule/occurrence_date.h"
#include "core/schedule/order_tasks.h"
#include "core/schedule/repeat_text.h"
#include "core/tasks/repeat_code.h"

namespace quorvel {

namespace {

bool HasDateParts(RecurrenceKind kind)
{
    return kind == RecurrenceKind::Once || kind == RecurrenceKind::Annually ||
           kind == RecurrenceKind::Monthly;
}

RepeatParts PartsOf(const std::string& repeatCode, RecurrenceKind kind)
{
    RepeatParts parts = HasDateParts(kind) ? DecodeRepeatCode(repeatCode) : RepeatParts{};
    parts.kind = kind;
    return parts;
}

void DateOccurrence(ScheduleRow& row, const RepeatParts& parts, const LocalMoment& now,
                    const TimeFormat& format)
{
    if (row.record.State != kStateEnabled) {
        row.taskStatus = row.record.State;
        return;
    }
    // Unreadable time or repetition: nothing to fire, so it counts as gone by.
    row.taskStatus = kStatusPassed;
    const std::optional<TimeOfDay> start = format.ParseTime(row.record.StartTime);
    if (!start) {
        return;
    }
    const std::optional<Date> date = OccurrenceDate(row.record, parts, *start, now);
    if (!date) {
        return;
    }
    const LocalMoment occurrence{*date, *start, 0};
    row.occurrence = occurrence;
    row.nextDate = DateText(*date);
    row.orderKey = SecondsToOccurrence(occurrence, now);
    if (occurrence >= now) {
        row.taskStatus = kStatusWaiting;
    }
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
    row.kind = RecurrenceKindOf(row.record.RepeatCode);
    const RepeatParts parts = PartsOf(row.record.RepeatCode, row.kind);
    DateOccurrence(row, parts, now, format);
    row.repeatText = RepeatText(row.record, parts, texts);
    row.displayLine =
        DisplayLine(row.taskStatus, row.repeatText, row.record.StartTime, row.record.Title, texts);
}

}  // namespace quorvel
