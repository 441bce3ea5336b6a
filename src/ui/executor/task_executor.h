#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <cstddef>
#include <optional>

#include "core/executor/executor_step.h"
#include "ui/executor/executor_context.h"

class QWidget;

namespace quorvel {

class TMessageForm;
class TReminder;

// Carries out fired tasks in the window layer: dodo reads the task's row, core plans the run, and
// each step goes to its place: the tick and the rebuild to the main window, messages to the
// message window, announced actions to new reminder windows, everything else to the platform.
class TaskExecutor final : public QObject {
    Q_OBJECT

public:
    TaskExecutor(ExecutorContext context, TMessageForm& messageForm, QObject* parent = nullptr);
    ~TaskExecutor() override;

    // The task at 1-based `row` of the ScheduleTable has fallen due: stop the tick, carry out its
    // actions, rebuild.
    void dodo(int row);
    // The same without stopping the tick and rebuilding, for a main window that does both itself
    // around this call.
    void ExecuteTask(std::size_t row);

    // Carries out a plan from first step to last.
    void Carry(const ExecutorPlan& plan);

    // The reminder windows opened here that have not finished yet, oldest first.
    QList<TReminder*> OpenReminders() const;

private:
    std::optional<ExecutorPlan> PlanRow(std::size_t row) const;
    void OpenReminder(const ReminderRequest& request);

    ExecutorContext m_context;
    TMessageForm& m_messageForm;
    QList<QPointer<TReminder>> m_reminders;
};

}  // namespace quorvel
