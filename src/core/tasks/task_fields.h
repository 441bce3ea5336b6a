#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/tasks/task_record.h"

namespace quorvel {

// Every action, in the order its field stands in the line.
inline constexpr std::array<ActionKind, kActionKindCount> kAllActionKinds = {
    ActionKind::MonitorOff, ActionKind::ShutDown,     ActionKind::RunProgram, ActionKind::ShowMessage,
    ActionKind::Reboot,     ActionKind::LockComputer, ActionKind::OpenFile,   ActionKind::CloseProgram,
    ActionKind::OpenUrl,    ActionKind::Standby,      ActionKind::Hibernate,  ActionKind::PowerOn,
    ActionKind::LogOff,     ActionKind::Macro,
};

// The stored keyword or prefix of each action, e.g. "Shutdown" or "Run Program:".
std::string_view ActionKeyword(ActionKind kind);

// True for the actions stored as a prefix followed by a parameter.
bool ActionHasParameter(ActionKind kind);

std::string& ActionField(TaskRecord& record, ActionKind kind);
const std::string& ActionField(const TaskRecord& record, ActionKind kind);

// The stored text of an action: its keyword, followed by the parameter for a prefixed action
// (a parameter given to a plain action is ignored).
std::string MakeActionField(ActionKind kind, std::string_view parameter = {});

// The parameter of a prefixed action field: all text after its first ":" (empty when none).
std::string ActionParameter(std::string_view field);

// Field `number` (1 to 26, the position in the line) of a record. Other numbers are a
// programming error and throw std::out_of_range.
std::string& TaskFieldAt(TaskRecord& record, std::size_t number);
const std::string& TaskFieldAt(const TaskRecord& record, std::size_t number);

}  // namespace quorvel
