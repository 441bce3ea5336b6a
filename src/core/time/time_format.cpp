#include "core/time/time_format.h"

#include <cctype>
#include <chrono>
#include <ctime>
#include <utility>
#include <vector>

#include "core/time/lenient_time.h"

namespace quorvel {
namespace {

// Large enough for any real pattern; a longer result means the pattern itself is absurd.
constexpr std::size_t kMaxFormatted = 4096;

std::string FormatTm(const std::string& pattern, const std::tm& tm)
{
    if (pattern.empty()) {
        return {};
    }
    // strftime returns 0 both for "too small" and for an empty result: grow a few times, then
    // take the empty result as real.
    for (std::size_t size = 64; size <= kMaxFormatted; size *= 4) {
        std::vector<char> buffer(size);
        const std::size_t n = std::strftime(buffer.data(), buffer.size(), pattern.c_str(), &tm);
        if (n > 0) {
            return std::string(buffer.data(), n);
        }
    }
    return {};
}

std::tm TmOfDate(const Date& date)
{
    using namespace std::chrono;
    const year_month_day ymd{year{date.year}, month{static_cast<unsigned>(date.month)},
                             day{static_cast<unsigned>(date.day)}};
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    if (ymd.ok()) {
        const sys_days days{ymd};
        tm.tm_wday = static_cast<int>(weekday{days}.c_encoding());
        tm.tm_yday = static_cast<int>((days - sys_days{year{date.year} / January / 1}).count());
    }
    return tm;
}

std::tm TmOfTime(const TimeOfDay& time)
{
    // Any valid day will do for the date fields a time pattern might still touch.
    std::tm tm = TmOfDate(Date{2000, 1, 1});
    tm.tm_hour = time.hour;
    tm.tm_min = time.minute;
    tm.tm_sec = time.second;
    return tm;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t';
}

// The whole text must match the pattern, bar trailing blanks.
std::optional<TimeOfDay> ReadWithPattern(const std::string& text, const std::string& pattern)
{
    if (pattern.empty()) {
        return std::nullopt;
    }
    std::tm tm{};
    const char* end = ::strptime(text.c_str(), pattern.c_str(), &tm);
    if (end == nullptr) {
        return std::nullopt;
    }
    while (IsSpace(*end)) {
        ++end;
    }
    if (*end != '\0') {
        return std::nullopt;
    }
    // strptime lets a leap second (60, 61) through; a task cannot start there.
    if (tm.tm_hour < 0 || tm.tm_hour > 23 || tm.tm_min < 0 || tm.tm_min > 59 || tm.tm_sec < 0 ||
        tm.tm_sec > 59) {
        return std::nullopt;
    }
    return TimeOfDay{tm.tm_hour, tm.tm_min, tm.tm_sec};
}

// The separator of a "%H?%M?%S" pattern with ASCII punctuation other than "%" between the parts,
// or 0 for any other pattern (those go the general way).
char PlainTimeSeparator(std::string_view pattern)
{
    if (pattern.size() != 8 || pattern.substr(0, 2) != "%H" || pattern.substr(3, 2) != "%M" ||
        pattern.substr(6, 2) != "%S" || pattern[2] != pattern[5]) {
        return 0;
    }
    const auto separator = static_cast<unsigned char>(pattern[2]);
    if (separator >= 0x80 || std::ispunct(separator) == 0 || separator == '%') {
        return 0;
    }
    return pattern[2];
}

int TwoDigits(std::string_view text, std::size_t at)
{
    const char high = text[at];
    const char low = text[at + 1];
    if (high < '0' || high > '9' || low < '0' || low > '9') {
        return -1;
    }
    return (high - '0') * 10 + (low - '0');
}

// The common case of a "%H:%M:%S" pattern and a time written in it: two digits per part, within
// range, trailing blanks allowed. strptime reads exactly these texts to the same value; anything
// else is left to it.
std::optional<TimeOfDay> ReadPlainTime(std::string_view text, char separator)
{
    if (text.size() < 8 || text[2] != separator || text[5] != separator) {
        return std::nullopt;
    }
    for (std::size_t i = 8; i < text.size(); ++i) {
        if (!IsSpace(text[i])) {
            return std::nullopt;
        }
    }
    const int hour = TwoDigits(text, 0);
    const int minute = TwoDigits(text, 3);
    const int second = TwoDigits(text, 6);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    return TimeOfDay{hour, minute, second};
}

}  // namespace

TimeFormat::TimeFormat(std::string longTime, std::string shortTime, std::string longDate,
                       std::string shortDate)
    : m_longTime(std::move(longTime)),
      m_shortTime(std::move(shortTime)),
      m_longDate(std::move(longDate)),
      m_shortDate(std::move(shortDate)),
      m_plainTimeSeparator(PlainTimeSeparator(m_longTime))
{
}

std::string TimeFormat::FormatLongTime(const TimeOfDay& time) const
{
    return FormatTm(m_longTime, TmOfTime(time));
}

std::string TimeFormat::FormatShortTime(const TimeOfDay& time) const
{
    return FormatTm(m_shortTime, TmOfTime(time));
}

std::string TimeFormat::FormatLongDate(const Date& date) const
{
    return FormatTm(m_longDate, TmOfDate(date));
}

std::string TimeFormat::FormatShortDate(const Date& date) const
{
    return FormatTm(m_shortDate, TmOfDate(date));
}

std::optional<TimeOfDay> TimeFormat::ParseTime(std::string_view text) const
{
    if (m_plainTimeSeparator != 0) {
        if (auto time = ReadPlainTime(text, m_plainTimeSeparator)) {
            return time;
        }
    }
    // strptime needs a terminated string; a NUL inside would cut the text short silently.
    if (text.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string terminated(text);
    if (auto time = ReadWithPattern(terminated, m_longTime)) {
        return time;
    }
    if (auto time = ReadWithPattern(terminated, m_shortTime)) {
        return time;
    }
    // A task file written under another time format, e.g. 12-hour text read by a 24-hour user.
    return ReadLenientTime(text);
}

}  // namespace quorvel
