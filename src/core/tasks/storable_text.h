#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/tasks/task_record.h"

namespace quorvel {

// What keeps a task line readable. Writers refuse texts that would break it instead of altering
// them: the editor refuses such a keystroke or pasted text with a beep, so what is stored is
// always what the user sees.

// True when a text holds the field separator "*": allowed in the title only, since in any other
// field it would shift every later field of the line.
bool HoldsFieldSeparator(std::string_view text);

// True when a text holds a carriage return or a line feed: allowed in no field, since the task
// would come back from the file as more than one line.
bool HoldsLineBreak(std::string_view text);

// True when the text may be stored in field `number` (1 to 26) of a task line.
bool StorableInField(std::size_t number, std::string_view text);

// The number (1 to 26) of the first field of the record that cannot be stored, if any.
std::optional<std::size_t> FirstUnstorableField(const TaskRecord& record);

}  // namespace quorvel
