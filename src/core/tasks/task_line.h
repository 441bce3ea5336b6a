#pragma once

#include <string>
#include <string_view>

#include "core/tasks/task_record.h"
#include "core/tasks/task_record_view.h"

namespace quorvel {

// Splits one task.dat line into its 26 fields. Never fails; see the task file rules.
TaskRecord ParseTaskLine(std::string_view line);

// The same fields as views into `line`, which must outlive them.
TaskRecordView ViewTaskLine(std::string_view line);

// Joins the 26 fields with "*" (25 separators), writing each field as it is.
std::string FormatTaskLine(const TaskRecord& record);

}  // namespace quorvel
