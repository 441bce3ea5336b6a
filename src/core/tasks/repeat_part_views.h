#pragma once

#include <optional>
#include <string_view>

#include "core/tasks/task_record.h"

namespace quorvel {

// The parts of a RepeatCode as DecodeRepeatCode finds them, but as views into the code: the
// rebuild takes every task's code apart and keeps none of the parts, so it copies none. Valid only
// as long as the code they were taken from.
struct RepeatPartViews {
    RecurrenceKind kind = RecurrenceKind::Weekly;
    std::string_view yearText;
    std::string_view monthText;
    std::string_view dayText;
    std::optional<int> year;
    std::optional<int> month;
    std::optional<int> day;
};

// See DecodeRepeatCode for the rules.
RepeatPartViews ViewRepeatCode(std::string_view repeatCode);

}  // namespace quorvel
