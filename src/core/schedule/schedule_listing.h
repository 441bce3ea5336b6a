#pragma once

#include <string>

#include "core/schedule/schedule_table.h"

namespace quorvel {

// The schedule as plain text, one line per task in list order: NextDate (empty when none), a
// tab, TaskStatus, a tab, DisplayLine, and a line feed. No task gives an empty text.
std::string ScheduleListing(const ScheduleTable& table);

}  // namespace quorvel
