#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/schedule/schedule_table.h"

namespace quorvel {

// The 1-based position of the first task whose start time, as the list shows it (trimmed), is
// `timeText`; nothing when no task has it. Start times are unique, so this finds the task just
// stored at that time wherever the rebuild has put it.
std::optional<std::size_t> PositionOfStartTime(const ScheduleTable& table, std::string_view timeText);

}  // namespace quorvel
