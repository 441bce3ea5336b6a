#pragma once

#include <string>
#include <string_view>

#include "core/tasks/task_record.h"

namespace quorvel {

// The stored keyword or prefix of each action, e.g. "Shutdown" or "Run Program:".
std::string_view ActionKeyword(ActionKind kind);

// True for the actions stored as a prefix followed by a parameter.
bool ActionHasParameter(ActionKind kind);

std::string& ActionField(TaskRecord& record, ActionKind kind);
const std::string& ActionField(const TaskRecord& record, ActionKind kind);

// The parameter of a prefixed action field: all text after its first ":" (empty when none).
std::string ActionParameter(std::string_view field);

}  // namespace quorvel
