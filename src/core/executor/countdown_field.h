#pragma once

#include <string_view>

namespace quorvel {

// Marks a task without a count-down: its actions run at once.
inline constexpr int kNoCountdown = -1;

// Reads a task's Countdown field. Empty: kNoCountdown. A decimal number of seconds (blanks
// around it allowed): that number. Anything else (letters, a sign, a number out of range) is a
// damaged field and reads as 0, a reminder that waits for the user: acting at once on it could
// power the machine off without warning.
int ReadCountdown(std::string_view field);

}  // namespace quorvel
