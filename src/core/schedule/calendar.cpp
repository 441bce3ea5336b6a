#include "core/schedule/calendar.h"

#include <charconv>
#include <chrono>
#include <string>

namespace quorvel {

namespace {

std::chrono::year_month_day ToChrono(const Date& date)
{
    return std::chrono::year_month_day{std::chrono::year{date.year},
                                       std::chrono::month{static_cast<unsigned>(date.month)},
                                       std::chrono::day{static_cast<unsigned>(date.day)}};
}

char Digit(int value)
{
    return static_cast<char>('0' + value);
}

// Writes `value` in decimal at `out`. Days and months have one or two digits and years four;
// those are written directly, anything else by to_chars.
char* AppendDecimal(char* out, char* end, int value)
{
    if (value >= 0 && value < 10) {
        *out = Digit(value);
        return out + 1;
    }
    if (value >= 10 && value < 100) {
        out[0] = Digit(value / 10);
        out[1] = Digit(value % 10);
        return out + 2;
    }
    if (value >= 1000 && value < 10000) {
        out[0] = Digit(value / 1000);
        out[1] = Digit(value / 100 % 10);
        out[2] = Digit(value / 10 % 10);
        out[3] = Digit(value % 10);
        return out + 4;
    }
    return std::to_chars(out, end, value).ptr;
}

}  // namespace

bool IsLeapYear(int year)
{
    return std::chrono::year{year}.is_leap();
}

int DaysInMonth(int year, int month)
{
    if (month < 1 || month > 12) {
        return 0;
    }
    const std::chrono::year_month_day_last last{
        std::chrono::year{year},
        std::chrono::month_day_last{std::chrono::month{static_cast<unsigned>(month)}}};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

bool IsValidDate(const Date& date)
{
    if (date.day < 1 || date.day > 31 || date.month < 1 || date.month > 12) {
        return false;
    }
    return ToChrono(date).ok();
}

std::int64_t DayNumber(const Date& date)
{
    return std::chrono::sys_days{ToChrono(date)}.time_since_epoch().count();
}

Date DateOfDayNumber(std::int64_t dayNumber)
{
    const std::chrono::year_month_day ymd{
        std::chrono::sys_days{std::chrono::days{static_cast<std::chrono::days::rep>(dayNumber)}}};
    return Date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

Date AddDays(const Date& date, std::int64_t days)
{
    // Most steps stay within the month (tomorrow, a day of this week): no day numbers needed.
    if (days >= 0 && date.day >= 1 && days <= DaysInMonth(date.year, date.month) - date.day) {
        return Date{date.year, date.month, date.day + static_cast<int>(days)};
    }
    return DateOfDayNumber(DayNumber(date) + days);
}

Weekday WeekdayOf(const Date& date)
{
    // iso_encoding: Monday 1 .. Sunday 7, the order of the weekday flags.
    const std::chrono::weekday day{std::chrono::sys_days{ToChrono(date)}};
    return static_cast<Weekday>(day.iso_encoding() - 1);
}

Date ClampedDate(int year, int month, int day)
{
    const int last = DaysInMonth(year, month);
    return Date{year, month, day > last ? last : day};
}

Date MonthsLater(int year, int month, int day, int months)
{
    const int index = year * 12 + (month - 1) + months;
    const int newYear = index >= 0 ? index / 12 : (index - 11) / 12;
    const int newMonth = index - newYear * 12 + 1;
    return ClampedDate(newYear, newMonth, day);
}

std::int64_t MillisecondOfDay(const TimeOfDay& time, int millisecond)
{
    return ((static_cast<std::int64_t>(time.hour) * 60 + time.minute) * 60 + time.second) * 1000 +
           millisecond;
}

std::int64_t LocalSecondOf(const LocalMoment& moment)
{
    return DayNumber(moment.date) * kSecondsPerDay + MillisecondOfDay(moment.time) / 1000;
}

bool IsAfterTime(const LocalMoment& moment, const TimeOfDay& time)
{
    return moment.time > time || (moment.time == time && moment.millisecond > 0);
}

std::string DateText(const Date& date)
{
    std::string text;
    AppendDateText(text, date);
    return text;
}

void AppendDateText(std::string& text, const Date& date)
{
    // Written in one go: the text fits the small-string buffer, so no allocation per task.
    char buffer[3 * 12];
    char* const end = buffer + sizeof buffer;
    char* out = buffer;
    for (const int part : {date.year, date.month, date.day}) {
        if (out != buffer) {
            *out++ = '-';
        }
        out = AppendDecimal(out, end, part);
    }
    text.append(buffer, out);
}

}  // namespace quorvel
