#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/tasks/task_record.h"

namespace quorvel {

// A RepeatCode taken apart. The texts are the parts as stored (shown in the task list); the
// numbers are present only where the text is a decimal integer.
struct RepeatParts {
    RecurrenceKind kind = RecurrenceKind::Weekly;
    std::string yearText;
    std::string monthText;
    std::string dayText;
    std::optional<int> year;
    std::optional<int> month;
    std::optional<int> day;
};

RecurrenceKind RecurrenceKindOf(std::string_view repeatCode);
RepeatParts DecodeRepeatCode(std::string_view repeatCode);

}  // namespace quorvel
