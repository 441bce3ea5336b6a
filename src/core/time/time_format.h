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

    // Reads a stored time of day: the long format first, then the other forms a task file written
    // under another format may hold. Nothing when the text is no time of day.
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
};

// The formats of the process's current LC_TIME locale (nl_langinfo). Only the app calls this.
TimeFormat TimeFormatFromCurrentLocale();

}  // namespace quorvel
