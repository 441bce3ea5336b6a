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
// being edited, whose own time never counts as a clash.
std::string UniqueStartTime(std::string_view time, const std::vector<std::string>& taskLines,
                            std::optional<std::size_t> editedPosition, const TimeFormat& format);

}  // namespace quorvel
