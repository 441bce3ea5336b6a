#include "ui/executor/task_executor.h"

#include "core/executor/task_run_plan.h"
#include "core/schedule/schedule_table.h"
#include "ui/executor/action_runner.h"
#include "ui/message/message_form.h"
#include "ui/reminder/reminder_form.h"

namespace quorvel {

TaskExecutor::TaskExecutor(ExecutorContext context, TMessageForm& messageForm, QObject* parent)
    : QObject(parent), m_context(std::move(context)), m_messageForm(messageForm)
{
    setObjectName(QStringLiteral("TaskExecutor"));
}

TaskExecutor::~TaskExecutor()
{
    // Reminders are windows of their own, without a parent to take them along.
    for (const QPointer<TReminder>& reminder : m_reminders) {
        delete reminder.data();
    }
}

void TaskExecutor::dodo(int row)
{
    if (row < 1) {
        return;
    }
    if (const std::optional<ExecutorPlan> plan = PlanRow(static_cast<std::size_t>(row))) {
        Carry(*plan);
    }
}

void TaskExecutor::ExecuteTask(std::size_t row)
{
    std::optional<ExecutorPlan> plan = PlanRow(row);
    if (!plan) {
        return;
    }
    std::erase_if(*plan, [](const ExecutorStep& step) {
        return step.kind == StepKind::StopTick || step.kind == StepKind::RebuildSchedule;
    });
    Carry(*plan);
}

std::optional<ExecutorPlan> TaskExecutor::PlanRow(std::size_t row) const
{
    const ScheduleTable& table = m_context.schedule.table();
    if (row < 1 || row > table.Size()) {
        return std::nullopt;
    }
    // A copy: the rebuild at the end of the run replaces the table the row stands in.
    const TaskRecord record = table.At(row).Record();
    return PlanTaskRun(record, m_context.clock().date, m_context.format, m_context.actions.Settings());
}

void TaskExecutor::Carry(const ExecutorPlan& plan)
{
    const auto call = [](const std::function<void()>& hook) {
        if (hook) {
            hook();
        }
    };
    for (const ExecutorStep& step : plan) {
        switch (step.kind) {
            case StepKind::StopTick:
                call(m_context.schedule.stopTick);
                break;
            case StepKind::ShowMessage:
                m_messageForm.AddEntry(step.text);
                break;
            case StepKind::OpenReminder:
                OpenReminder(step.reminder);
                break;
            case StepKind::RebuildSchedule:
                call(m_context.schedule.rebuildSchedule);
                break;
            default:
                m_context.actions.Run(step);
                break;
        }
    }
}

void TaskExecutor::OpenReminder(const ReminderRequest& request)
{
    m_reminders.removeAll(nullptr);
    auto* reminder = new TReminder(request, m_context);
    m_reminders.append(reminder);
    reminder->show();
}

QList<TReminder*> TaskExecutor::OpenReminders() const
{
    QList<TReminder*> open;
    for (const QPointer<TReminder>& reminder : m_reminders) {
        if (reminder && !reminder->IsFinished()) {
            open.append(reminder.data());
        }
    }
    return open;
}

}  // namespace quorvel
