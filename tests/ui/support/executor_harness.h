#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/schedule/schedule_build.h"
#include "core/time/time_format.h"
#include "ui/executor/action_runner.h"
#include "ui/executor/connection_dialer.h"
#include "ui/executor/executor_context.h"
#include "ui/lang/lang_mgr.h"
#include "ui/modal/modal_host.h"
#include "ui_test_support.h"

namespace quorvel::test {

// A reminder's one-second timer that ticks only when the test says so.
class ManualTicks {
public:
    struct Timer {
        bool active = false;
        int starts = 0;
        std::function<void()> onTick;
    };

    CountdownTimerFactory Factory();

    // The timers made so far, oldest first.
    const std::vector<std::shared_ptr<Timer>>& Timers() const { return m_timers; }
    // One tick of timer `index`, as the real one would give it: only while it runs.
    void Tick(std::size_t index, int times = 1);

private:
    std::vector<std::shared_ptr<Timer>> m_timers;
};

// Dial-up choice for the tests: the flag as set, the dial recorded in the request log.
class TestDialer final : public ConnectionDialer {
public:
    explicit TestDialer(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}
    bool AutoConnect() const override { return autoConnect; }
    void DialConnection() override { m_log->Record("DialConnection"); }

    bool autoConnect = false;

private:
    std::shared_ptr<RequestLog> m_log;
};

// Everything the executor and its reminders work with, on a scratch DataDir, with a schedule
// rebuilt from its task.dat by the real core rebuild. The window-side hooks (tick, rebuild, row
// selection) are recorded in the request log too, so one list shows the order of everything.
class ExecutorHarness {
public:
    ExecutorHarness();

    ExecutorContext Context();

    // Writes task.dat and rebuilds.
    void WriteTasks(const std::vector<std::string>& lines);
    std::string TaskFile() const;
    void Rebuild();

    QStringList Requests() const { return platform.Requests(); }
    QString DataDir() const { return m_dir.path(); }

    bool m_application = (EnsureApplication(), true);  // before any Qt object below
    QTemporaryDir m_dir;
    RecordedPlatform platform;
    TLangMgr langMgr{LangMgrConfig{}};
    ModalHost modal;
    QStringList boxes;  // texts of the message boxes shown, each answered with OK
    TestDialer dialer{platform.log};
    ActionRunner actions{platform.services, dialer, m_dir.path()};
    TimeFormat format{"%H:%M:%S", "%H:%M", "%A %d/%m/%Y", "%d/%m/%Y"};
    LocalMoment now{Date{2024, 5, 7}, TimeOfDay{14, 3, 20}, 0};
    ScheduleBuild build;
    std::string taskFileProblem;
    std::vector<std::string> selected;  // times the task list was asked to select
    ManualTicks ticks;
};

}  // namespace quorvel::test
