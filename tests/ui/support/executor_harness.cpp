#include "executor_harness.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMessageBox>

#include "core/tasks/task_file.h"
#include "core/text/lang_lookup.h"

namespace quorvel::test {
namespace {

class ManualTimer final : public CountdownTimer {
public:
    explicit ManualTimer(std::shared_ptr<ManualTicks::Timer> state) : m_state(std::move(state)) {}
    void Start(std::function<void()> onTick) override
    {
        m_state->onTick = std::move(onTick);
        m_state->active = true;
        ++m_state->starts;
    }
    void Stop() override { m_state->active = false; }
    bool IsActive() const override { return m_state->active; }
    ~ManualTimer() override
    {
        m_state->active = false;
        m_state->onTick = nullptr;
    }

private:
    std::shared_ptr<ManualTicks::Timer> m_state;
};

}  // namespace

CountdownTimerFactory ManualTicks::Factory()
{
    return [this](QObject&) {
        m_timers.push_back(std::make_shared<Timer>());
        return std::make_unique<ManualTimer>(m_timers.back());
    };
}

void ManualTicks::Tick(std::size_t index, int times)
{
    for (int i = 0; i < times; ++i) {
        const std::shared_ptr<Timer> timer = m_timers.at(index);
        if (timer->active && timer->onTick) {
            // A copy: the tick may end the reminder and with it the timer.
            const std::function<void()> onTick = timer->onTick;
            onTick();
        }
    }
}

ExecutorHarness::ExecutorHarness()
{
    modal.SetBoxHook([this](QMessageBox& box) {
        boxes << box.text();
        return int(QMessageBox::Ok);
    });
    Rebuild();
    platform.log->ClearLines();
}

ExecutorContext ExecutorHarness::Context()
{
    ScheduleAccess schedule;
    schedule.table = [this]() -> const ScheduleTable& { return build.table; };
    schedule.taskLines = [this] { return build.taskLines; };
    schedule.taskFileProblem = [this] { return taskFileProblem; };
    schedule.stopTick = [this] { platform.log->Record("[StopTick]"); };
    schedule.rebuildSchedule = [this] {
        platform.log->Record("[RebuildSchedule]");
        Rebuild();
    };
    schedule.selectTaskAt = [this](const std::string& time) { selected.push_back(time); };
    return ExecutorContext{
        langMgr,        modal, actions, std::move(schedule), m_dir.path(), format, [this] { return now; },
        ticks.Factory()};
}

void ExecutorHarness::WriteTasks(const std::vector<std::string>& lines)
{
    ASSERT_EQ(SaveTaskFile(m_dir.path().toStdString(), lines), "");
    Rebuild();
}

std::string ExecutorHarness::TaskFile() const
{
    QFile file(QString::fromStdString(TaskFilePath(m_dir.path().toStdString())));
    if (!file.open(QIODevice::ReadOnly)) {
        return "<none>";
    }
    return file.readAll().toStdString();
}

void ExecutorHarness::Rebuild()
{
    build = BuildScheduleFromFile(m_dir.path().toStdString(), now, format, EnglishLookup(), "");
}

}  // namespace quorvel::test
