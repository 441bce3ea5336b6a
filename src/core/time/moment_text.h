#pragma once

#include <optional>
#include <string_view>

#include "core/time/civil_time.h"

namespace quorvel {

// How a moment is written on the command line: "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DD HH:MM:SS.mmm",
// every part with exactly its number of digits, in local time.
inline constexpr std::string_view kMomentTextForm = "YYYY-MM-DD HH:MM:SS[.mmm]";

// The moment written in `text`, or nothing when it is not in that form or names no real date or
// time (30 February, 24:00:00, a leap second).
std::optional<LocalMoment> ParseMomentText(std::string_view text);

}  // namespace quorvel
