#include "core/schedule/task_dating.h"

#include <memory>
#include <utility>

#include "core/schedule/calendar.h"
#include "core/schedule/display_line.h"
#include "core/schedule/occurrence_date.h"
#include "core/schedule/order_tasks.h"
#include "core/schedule/repeat_text.h"
#include "core/tasks/repeat_part_views.h"

namespace quorvel {

namespace {

// Room for the list texts of a single task.
constexpr std::size_t kOwnTextsSize = 256;

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
    // The record and the texts made from it, held where they never move, for the row's views.
    struct Owned {
        TaskRecord record;
        TextStore store;
    };
    const auto owned = std::make_shared<Owned>(Owned{std::move(record), TextStore(kOwnTextsSize)});
    ScheduleRow row(TaskRecordView(owned->record), owned);
    DateRow(row, now, format, texts, owned->store);
    return row;
}

void DateRow(ScheduleRow& row, const LocalMoment& now, const TimeFormat& format, const ScheduleTexts& texts,
             TextStore& store)
{
    // Views into the row's own RepeatCode, which outlives every use below.
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
    row.displayLine = store.Keep(line);
    row.repeatText = row.displayLine.substr(repeatStart, repeatSize);
}

}  // namespace quorvel
