#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/time/civil_time.h"

namespace quorvel {

// The user's long and short time and date formats (strftime patterns). Formats values and reads
// them back. Built once by the app from the locale and passed to whatever needs it.
class TimeFormat {
public:
    TimeFormat(std::string longTime, std::string shortTime, std::string longDate, std::string shortDate);

    std::string FormatLongTime(const TimeOfDay& time) const;
    std::string FormatShortTime(const TimeOfDay& time) const;
    std::string FormatLongDate(const Date& date) const;
    std::string FormatShortDate(const Date& date) const;

    // Reads a stored time of day: the whole text (trailing blanks aside) in the long format, else
    // in the short format (seconds 0), else in the forms a task file written under another format
    // may hold (see ReadLenientTime). Nothing when the text is no time of day.
    std::optional<TimeOfDay> ParseTime(std::string_view text) const;

    const std::string& LongTimePattern() const { return m_longTime; }
    const std::string& ShortTimePattern() const { return m_shortTime; }
    const std::string& LongDatePattern() const { return m_longDate; }
    const std::string& ShortDatePattern() const { return m_shortDate; }

private:
    std::string m_longTime;
    std::string m_shortTime;
    std::string m_longDate;
    std::string m_shortDate;
    // The separator when the long pattern is plain "%H:%M:%S" with one character of its own between
    // the parts (0 otherwise): the stored times of a rebuild are then read without strptime.
    char m_plainTimeSeparator = 0;
};

// The formats of the process's current LC_TIME locale (nl_langinfo). Only the app calls this.
TimeFormat TimeFormatFromCurrentLocale();

// The formats made from a locale's time pattern (T_FMT), its 12-hour pattern (T_FMT_AMPM) and its
// date pattern (D_FMT). The long time is the time pattern, or the 12-hour one when the time
// pattern uses AM/PM, with shorthands such as %T spelled out; one without seconds is replaced by
// "%H:%M:%S" (or "%I:%M:%S %p"). The short time is the long one without its seconds, the short
// date the date pattern, the long date the weekday name followed by the short date.
TimeFormat TimeFormatFromLangInfo(std::string_view timeFormat, std::string_view amPmTimeFormat,
                                  std::string_view dateFormat);

}  // namespace quorvel
