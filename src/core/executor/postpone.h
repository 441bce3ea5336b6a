#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/executor/reminder_request.h"
#include "core/text/lang_lookup.h"
#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// One choice of the reminder's "Waiting >>" menu that moves the action to later.
struct PostponeItem {
    std::string_view name;     // the menu item's object name
    std::string_view caption;  // its English caption
    int minutes;
    std::string_view labelKey;      // language key of the label added to the new task's title
    std::string_view labelDefault;  // its English text
};

inline constexpr std::array<PostponeItem, 8> kPostponeItems = {{
    {"wait5", "Waiting for 5 mins", 5, "Delay5", "Delay for 5 mins"},
    {"wait10", "Waiting for 10 mins", 10, "Delay10", "Delay for 10 mins"},
    {"wait15", "Waiting for 15 mins", 15, "Delay15", "Delay for 15 mins"},
    {"wait30", "Waiting for 30 mins", 30, "Delay30", "Delay for 30 mins"},
    {"wait60", "Waiting for 1 hour", 60, "Delay60", "Delay for 1 hour"},
    {"wait120", "Waiting for 2 hours", 120, "Delay120", "Delay for 2 hours"},
    {"wait180", "Waiting for 3 hours", 180, "Delay180", "Delay for 3 hours"},
    {"wait300", "Waiting for 5 hours", 300, "Delay300", "Delay for 5 hours"},
}};

// The menu's last item, which stops the count without postponing.
inline constexpr std::string_view kWaitAlongName = "Waitalong";
inline constexpr std::string_view kWaitAlongCaption = "Waiting along ...";

struct PostponedTask {
    std::string line;      // the new one-time task, to be appended to the task lines
    std::string timeText;  // its StartTime, to find its row in the rebuilt list
};

// The task that carries a reminder's one action out `item.minutes` after `now`: once, on the
// date that delay reaches, at a start time no other task in `taskLines` has, with the reminder's
// count-down, and titled with the title, " - " and the item's label. The date is that of the
// delay itself, even when the time had to move on past midnight to be unique.
PostponedTask PostponeReminder(const ReminderRequest& request, const PostponeItem& item,
                               const LocalMoment& now, const std::vector<std::string>& taskLines,
                               const TimeFormat& format, const LangLookup& lang);

}  // namespace quorvel
