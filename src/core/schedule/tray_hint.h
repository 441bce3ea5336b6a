#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/schedule/schedule_row.h"
#include "core/schedule/schedule_table.h"
#include "core/schedule/schedule_texts.h"

namespace quorvel {

// The tray icon shows no more characters of its hint than this.
inline constexpr std::size_t kTrayHintMaxCharacters = 127;

// "Upcoming event: Waiting - Daily - 22:30:00 - Night shutdown" for the first task of the list
// when it is still to come, else "Upcoming event:None".
std::string UpcomingText(const ScheduleTable& table, const ScheduleTexts& texts);

// The last-event half of the hint before anything has fired: "\n\rLast event:None".
std::string InitialLastEventText(const ScheduleTexts& texts);

// The last-event half of the hint once `row` fires: "\n\rLast event: Passed - Daily - ...".
std::string LastEventText(const ScheduleRow& row, const ScheduleTexts& texts);

// The hint's leading characters that the tray shows. Valid UTF-8 sequences count as one
// character and are never cut apart; any other byte counts as one character on its own.
std::string TrayHintForDisplay(std::string_view hint);

}  // namespace quorvel
