#include "core/executor/task_run_plan.h"

#include "core/executor/countdown_field.h"
#include "core/executor/event_action.h"
#include "core/executor/message_entry.h"
#include "core/executor/task_actions.h"

namespace quorvel {
namespace {

ExecutorStep Plain(StepKind kind)
{
    ExecutorStep step;
    step.kind = kind;
    return step;
}

void AppendMessage(ExecutorPlan& plan, const TaskRecord& record, const std::string& message,
                   const Date& today, const TimeFormat& format)
{
    plan.push_back(Plain(StepKind::MessageBeep));
    ExecutorStep show = Plain(StepKind::ShowMessage);
    show.text = MakeMessageEntry(today, record.StartTime, message, format);
    plan.push_back(std::move(show));
}

ExecutorStep Reminder(const TaskRecord& record, const TaskAction& action, int countdown)
{
    ExecutorStep step = Plain(StepKind::OpenReminder);
    step.reminder = ReminderRequest{*action.event, action.target, action.parameters, record.Title, countdown};
    return step;
}

}  // namespace

ExecutorPlan PlanTaskRun(const TaskRecord& record, const Date& today, const TimeFormat& format,
                         const ExecutorSettings& settings)
{
    ExecutorPlan plan{Plain(StepKind::StopTick)};
    const int countdown = ReadCountdown(record.Countdown);
    for (const TaskAction& action : TaskActionsInRunOrder(record)) {
        if (!action.event) {
            AppendMessage(plan, record, action.target, today, format);
        } else if (countdown != kNoCountdown) {
            plan.push_back(Reminder(record, action, countdown));
        } else {
            EventAction done = PlanEventAction(*action.event, action.target, action.parameters, settings);
            plan.insert(plan.end(), done.steps.begin(), done.steps.end());
            if (!done.carriedOut) {
                // An unreadable macro ends the run: the stand-by, hibernate or shut-down meant to
                // follow the replay must not happen without it.
                break;
            }
        }
    }
    plan.push_back(Plain(StepKind::RebuildSchedule));
    return plan;
}

}  // namespace quorvel
