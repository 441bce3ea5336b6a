#pragma once

#include <cstdint>
#include <string>

#include "core/tasks/task_record.h"
#include "core/time/civil_time.h"

namespace quorvel {

// Plain proleptic Gregorian arithmetic on local calendar values. No time zone is involved: the
// scheduler counts days and seconds on the wall clock, so a daylight-saving change moves nothing.

inline constexpr std::int64_t kSecondsPerDay = 86400;

bool IsLeapYear(int year);

// 28..31, or 0 when the month is outside 1..12.
int DaysInMonth(int year, int month);

bool IsValidDate(const Date& date);

// Days since 1970-01-01 of a valid date.
std::int64_t DayNumber(const Date& date);
Date DateOfDayNumber(std::int64_t dayNumber);
Date AddDays(const Date& date, std::int64_t days);

Weekday WeekdayOf(const Date& date);

// The day clamped to the month's length: day 31 in a 30-day month is the 30th.
Date ClampedDate(int year, int month, int day);

// Year and month `months` months after the given ones (months may be negative).
Date MonthsLater(int year, int month, int day, int months);

std::int64_t MillisecondOfDay(const TimeOfDay& time, int millisecond = 0);

// A whole second on the local calendar: day number times 86400 plus the second of the day.
std::int64_t LocalSecondOf(const LocalMoment& moment);

// Strictly after `time` on the moment's own day, to the millisecond: a moment exactly at the time
// is not after it.
bool IsAfterTime(const LocalMoment& moment, const TimeOfDay& time);

// "Y-M-D", decimal without leading zeros.
std::string DateText(const Date& date);

// The same, appended to `text` (no temporary string per date).
void AppendDateText(std::string& text, const Date& date);

}  // namespace quorvel
