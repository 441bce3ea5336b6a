#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/time_format.h"

namespace quorvel {

// The time text to store for a new or edited task so that no two tasks share a StartTime: one
// second is added for every clash until none is left. `editedPosition` (1-based) names the task
// being edited, whose own time never counts as a clash. A clash is an equal StartTime text, or a
// StartTime that reads as the same time of day (written under an earlier time format). A moved
// time is written in the long time format and wraps from 23:59:59 to 00:00:00. A `time` that is
// no time of day cannot be moved on and comes back unchanged, as it does when every second of the
// day is taken.
std::string UniqueStartTime(std::string_view time, const std::vector<std::string>& taskLines,
                            std::optional<std::size_t> editedPosition, const TimeFormat& format);

}  // namespace quorvel
