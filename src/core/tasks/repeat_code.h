#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/tasks/task_record.h"

namespace quorvel {

// A RepeatCode taken apart. The texts are the parts as stored (shown in the task list); the
// numbers are present only where the text is a decimal integer: ASCII digits only, at least one,
// no sign and no blanks (leading zeros are fine), and within the range of int. Whether the number
// makes a valid date is left to the dating.
struct RepeatParts {
    RecurrenceKind kind = RecurrenceKind::Weekly;
    std::string yearText;
    std::string monthText;
    std::string dayText;
    std::optional<int> year;
    std::optional<int> month;
    std::optional<int> day;
};

// Decided by the first two characters alone ("l1" to "l4", case-sensitive); an empty code is
// Weekly and any other code Unknown.
RecurrenceKind RecurrenceKindOf(std::string_view repeatCode);

// Once "l2-Y-M-D": the year is the four characters after the first "-", the month lies between
// the second and third "-", the day is all after the third. Annually "l3-M-D": the month lies
// between the first and second "-", the day is all after the second. Monthly "l4-D": the day is
// all after the first "-". A missing "-" leaves its parts empty. Other kinds have no parts.
RepeatParts DecodeRepeatCode(std::string_view repeatCode);

}  // namespace quorvel
