#pragma once

#include <string>
#include <string_view>

#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// One entry of the message window: the date in the short date format, a blank, the task's start
// time as stored, a line end, then the message.
std::string MakeMessageEntry(const Date& today, std::string_view startTime, std::string_view message,
                             const TimeFormat& format);

// The message window's text after a new entry: the entry alone, or the entry, an empty line and
// the entries still shown, so the newest stands on top.
std::string StackMessageEntry(std::string_view shown, std::string_view entry);

}  // namespace quorvel
