#include "core/schedule/schedule_row.h"

#include "core/tasks/task_line.h"

namespace quorvel {

ScheduleRow::ScheduleRow(std::string_view line) : record(ParseTaskLine(line)) {}

}  // namespace quorvel
