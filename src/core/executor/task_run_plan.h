#pragma once

#include "core/executor/executor_settings.h"
#include "core/executor/executor_step.h"
#include "core/tasks/task_record.h"
#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// What the main window does when the task `record` falls due (dodo): stop the tick, carry out
// each action at once or, with a count-down, open one reminder per action (the message is always
// shown at once), and rebuild the schedule. The rebuild is always last, also after an unreadable
// macro file has ended the run early, so the tick comes back at once. `today` dates a message.
ExecutorPlan PlanTaskRun(const TaskRecord& record, const Date& today, const TimeFormat& format,
                         const ExecutorSettings& settings);

}  // namespace quorvel
