#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/executor/reminder_event.h"
#include "core/tasks/task_record.h"

namespace quorvel {

// One action a fired task holds, as its reminder would announce it.
struct TaskAction {
    // Nothing for the message, which is always shown at once and never announced.
    std::optional<ReminderEvent> event;
    std::string target;      // or the message text
    std::string parameters;  // RunProgram only

    bool operator==(const TaskAction&) const = default;
};

// The actions of a record in the order they are carried out. Stand-by, hibernate and shut-down
// come last, so a task that also starts a program or replays a macro does that first; a task that
// asks to shut down never restarts. PowerOn has no action here: being awake is its whole effect.
std::vector<TaskAction> TaskActionsInRunOrder(const TaskRecord& record);

}  // namespace quorvel
