#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/text/lang_lookup.h"

namespace quorvel {

// The state words stored and compared in English, whatever the language shown.
inline constexpr std::string_view kStateEnabled = "Enabled";
inline constexpr std::string_view kStatusPassed = "Passed";
inline constexpr std::string_view kStatusWaiting = "Waiting";

// Between the parts of a task list line.
inline constexpr std::string_view kListSeparator = " ---- ";

// Every text the schedule shows, looked up once per rebuild rather than once per task.
struct ScheduleTexts {
    explicit ScheduleTexts(const LangLookup& lang);

    std::string upcoming;                 // "Upcoming event:"
    std::string none;                     // "None"
    std::string wait;                     // "Waiting"
    std::string pass;                     // "Passed"
    std::string noTitle;                  // "No title"
    std::string lastTask;                 // "Last event:"
    std::string everyDay;                 // "Daily"
    std::string everyMonth;               // "Monthly"
    std::string everyYear;                // "Annually"
    std::string unspecified;              // "Unspecified"
    std::array<std::string, 12> months;   // "Jan".."Dec"
    std::array<std::string, 7> weekdays;  // "Mon".."Sun", Monday first
    // How a list line starts, " Passed ---- " and " Waiting ---- ": made once, used for every task.
    std::string passLineStart;
    std::string waitLineStart;
};

}  // namespace quorvel
