#include "app/task_execution.h"

#include <QListWidget>

#include "core/schedule/start_time_position.h"
#include "ui/executor/action_runner.h"
#include "ui/executor/stored_connection_dialer.h"
#include "ui/executor/task_executor.h"
#include "ui/main/main_form.h"
#include "ui/message/message_form.h"

namespace quorvel {

TaskExecution::TaskExecution(TLangMgr& langMgr, const ModalHost& modal, const SettingsStore& settings,
                             const PlatformServices& platform, QString dataDir, TimeFormat format,
                             LocalClock clock)
    : m_langMgr(langMgr),
      m_modal(modal),
      m_dataDir(std::move(dataDir)),
      m_format(std::move(format)),
      m_clock(std::move(clock)),
      m_dialer(std::make_unique<StoredConnectionDialer>(settings, platform.dialUp)),
      m_actions(std::make_unique<ActionRunner>(platform, *m_dialer, m_dataDir)),
      m_messageForm(std::make_unique<TMessageForm>(langMgr))
{
}

// Reminders go first: they act through the runner and the dialer.
TaskExecution::~TaskExecution()
{
    m_executor.reset();
}

std::function<void(std::size_t position)> TaskExecution::ExecuteTaskHook()
{
    return [this](std::size_t position) {
        if (m_executor) {
            m_executor->ExecuteTask(position);
        }
    };
}

void TaskExecution::Attach(TMainForm& mainForm)
{
    ScheduleAccess schedule;
    schedule.table = [&mainForm]() -> const ScheduleTable& { return mainForm.Schedule().Table(); };
    schedule.taskLines = [&mainForm] { return mainForm.Schedule().TaskLines(); };
    schedule.taskFileProblem = [&mainForm] { return mainForm.Schedule().LoadError(); };
    // The main window stops the tick before a task's actions and rebuilds after them itself.
    schedule.rebuildSchedule = [&mainForm] { mainForm.RebuildSchedule(); };
    schedule.selectTaskAt = [&mainForm](const std::string& timeText) {
        if (const auto position = PositionOfStartTime(mainForm.Schedule().Table(), timeText)) {
            mainForm.TaskList()->setCurrentRow(static_cast<int>(*position) - 1);
        }
    };
    m_executor = std::make_unique<TaskExecutor>(
        ExecutorContext{
            m_langMgr, m_modal, *m_actions, std::move(schedule), m_dataDir, m_format, m_clock, {}},
        *m_messageForm);
}

}  // namespace quorvel
