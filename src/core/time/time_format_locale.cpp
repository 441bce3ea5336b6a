#include <langinfo.h>

#include "core/time/time_format.h"
#include "core/time/time_pattern.h"

namespace quorvel {
namespace {

constexpr const char* kTwentyFourHour = "%H:%M:%S";
constexpr const char* kTwelveHour = "%I:%M:%S %p";
constexpr const char* kFallbackDate = "%m/%d/%y";

}  // namespace

TimeFormat TimeFormatFromLangInfo(std::string_view timeFormat, std::string_view amPmTimeFormat,
                                  std::string_view dateFormat)
{
    const bool amPm = PatternUsesAmPm(timeFormat);
    // A 12-hour locale's own AM/PM pattern is the more complete one where it has it.
    std::string longTime = ExpandPatternShorthands(
        amPm && !amPmTimeFormat.empty() ? amPmTimeFormat : timeFormat, amPmTimeFormat);
    // The start time of a task needs its seconds, and %X would name the locale's pattern again.
    if (!PatternHasSeconds(longTime) || longTime.find("%X") != std::string::npos) {
        longTime = amPm ? kTwelveHour : kTwentyFourHour;
    }

    std::string shortDate = ExpandPatternShorthands(dateFormat, {});
    if (shortDate.empty() || shortDate.find("%x") != std::string::npos) {
        shortDate = kFallbackDate;
    }
    // Locales give no long date; the weekday name before the locale's own date order serves.
    std::string longDate = "%A " + shortDate;

    std::string shortTime = DropSeconds(longTime);
    return TimeFormat(std::move(longTime), std::move(shortTime), std::move(longDate), std::move(shortDate));
}

TimeFormat TimeFormatFromCurrentLocale()
{
    return TimeFormatFromLangInfo(::nl_langinfo(T_FMT), ::nl_langinfo(T_FMT_AMPM), ::nl_langinfo(D_FMT));
}

}  // namespace quorvel
