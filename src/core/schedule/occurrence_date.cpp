#include "core/schedule/occurrence_date.h"

#include "core/schedule/calendar.h"
#include "core/schedule/next_weekly_date.h"

namespace quorvel {

namespace {

// Four-digit years are all the task file can hold.
constexpr int kLastYear = 9999;

std::optional<Date> OnceDate(const RepeatPartViews& parts)
{
    if (!parts.year || !parts.month || !parts.day || *parts.year < 1 || *parts.year > kLastYear) {
        return std::nullopt;
    }
    const Date date{*parts.year, *parts.month, *parts.day};
    if (!IsValidDate(date)) {
        return std::nullopt;
    }
    return date;
}

std::optional<Date> AnnualDate(const RepeatPartViews& parts, const TimeOfDay& start, const LocalMoment& now)
{
    if (!parts.month || !parts.day || *parts.month < 1 || *parts.month > 12 || *parts.day < 1 ||
        *parts.day > 31) {
        return std::nullopt;
    }
    const int month = *parts.month;
    // A day the month lacks falls on its last day, as a monthly task does, so the task still fires
    // once a year in the month the user chose.
    const int day = *parts.day;
    Date date = ClampedDate(now.date.year, month, day);
    if (now.date > date) {
        date = ClampedDate(now.date.year + 1, month, day);
    }
    if (now.date == date && IsAfterTime(now, start)) {
        date = ClampedDate(date.year + 1, month, day);
    }
    return date;
}

std::optional<Date> MonthlyDate(const RepeatPartViews& parts, const TimeOfDay& start, const LocalMoment& now)
{
    if (!parts.day || *parts.day < 1 || *parts.day > 31) {
        return std::nullopt;
    }
    const int day = *parts.day;
    const Date date = ClampedDate(now.date.year, now.date.month, day);
    // A day already gone by this month stays in the past (the task shows Passed) until the 1st.
    if (now.date == date && IsAfterTime(now, start)) {
        return MonthsLater(now.date.year, now.date.month, day, 1);
    }
    return date;
}

}  // namespace

std::optional<Date> OccurrenceDate(const TaskRecordView& record, const RepeatPartViews& parts,
                                   const TimeOfDay& start, const LocalMoment& now)
{
    switch (parts.kind) {
        case RecurrenceKind::Daily:
            return IsAfterTime(now, start) ? AddDays(now.date, 1) : now.date;
        case RecurrenceKind::Once:
            return OnceDate(parts);
        case RecurrenceKind::Annually:
            return AnnualDate(parts, start, now);
        case RecurrenceKind::Monthly:
            return MonthlyDate(parts, start, now);
        case RecurrenceKind::Weekly:
            return NextWeeklyDate(record.WeekdayFlags, start, now);
        case RecurrenceKind::Unknown:
            break;
    }
    return std::nullopt;
}

}  // namespace quorvel
