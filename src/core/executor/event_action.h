#pragma once

#include <chrono>
#include <string>

#include "core/executor/executor_settings.h"
#include "core/executor/executor_step.h"
#include "core/executor/reminder_event.h"
#include "core/executor/reminder_request.h"

namespace quorvel {

// A scheduled macro waits this long after opening its program, so the program's window is up
// before the input arrives.
inline constexpr std::chrono::milliseconds kScheduledMacroLeadIn{2000};

struct EventAction {
    ExecutorPlan steps;
    // False when the action could not be carried out (an unreadable macro file): the task's
    // later actions are then dropped, and a reminder stays open.
    bool carriedOut = true;
};

// The steps that carry out one action at once, for a task without count-down and for a
// reminder that fires. `target` and `parameters` are as a reminder holds them.
EventAction PlanEventAction(ReminderEvent event, const std::string& target, const std::string& parameters,
                            const ExecutorSettings& settings);

// What a reminder does when it fires ("Immediately" or the count reaching 0).
EventAction PlanReminderAction(const ReminderRequest& request, const ExecutorSettings& settings);

}  // namespace quorvel
