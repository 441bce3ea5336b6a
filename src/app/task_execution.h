#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <memory>

#include "core/time/time_format.h"
#include "platform/local_clock.h"
#include "platform/platform_services.h"

class TLangMgr;

namespace quorvel {

class ActionRunner;
class ModalHost;
class SettingsStore;
class StoredConnectionDialer;
class TaskExecutor;
class TMainForm;
class TMessageForm;

// The windows and services that carry out fired tasks, and their hook-up to the main window:
// the dial-up choice, the platform steps with their stand-by and hibernate timers, the one
// message window and the executor that opens the reminders. Outlives the main window.
class TaskExecution {
public:
    TaskExecution(TLangMgr& langMgr, const ModalHost& modal, const SettingsStore& settings,
                  const PlatformServices& platform, QString dataDir, TimeFormat format, LocalClock clock);
    ~TaskExecution();
    TaskExecution(const TaskExecution&) = delete;
    TaskExecution& operator=(const TaskExecution&) = delete;

    // For the main window's hooks: carries out the task at a 1-based position once attached.
    std::function<void(std::size_t position)> ExecuteTaskHook();

    // Reaches the main window's schedule, task list and rebuild from now on.
    void Attach(TMainForm& mainForm);

    TMessageForm& MessageForm() const { return *m_messageForm; }
    TaskExecutor* Executor() const { return m_executor.get(); }

private:
    TLangMgr& m_langMgr;
    const ModalHost& m_modal;
    QString m_dataDir;
    TimeFormat m_format;
    LocalClock m_clock;
    std::unique_ptr<StoredConnectionDialer> m_dialer;
    std::unique_ptr<ActionRunner> m_actions;
    std::unique_ptr<TMessageForm> m_messageForm;
    std::unique_ptr<TaskExecutor> m_executor;
};

}  // namespace quorvel
