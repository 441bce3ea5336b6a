#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "core/executor/postpone.h"
#include "core/schedule/start_time_position.h"
#include "core/tasks/task_fields.h"
#include "core/tasks/task_line.h"
#include "support/executor_harness.h"
#include "ui/executor/task_executor.h"
#include "ui/message/message_form.h"
#include "ui/reminder/reminder_form.h"

using namespace quorvel;

namespace {

bool WaitUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(3000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

TaskRecord Task(const char* time, std::initializer_list<std::pair<ActionKind, std::string_view>> actions,
                std::string countdown = "")
{
    TaskRecord record;
    record.StartTime = time;
    record.State = "Enabled";
    record.RepeatCode = "l1-EveryDay";
    record.Countdown = std::move(countdown);
    record.Title = "Title";
    for (const auto& [kind, parameter] : actions) {
        ActionField(record, kind) = MakeActionField(kind, parameter);
    }
    return record;
}

class TaskExecutorTest : public ::testing::Test {
protected:
    // Stores the tasks, rebuilds, and fires the one at `time` as the tick would.
    void Fire(const std::vector<TaskRecord>& tasks, const char* time)
    {
        std::vector<std::string> lines;
        for (const TaskRecord& task : tasks) {
            lines.push_back(FormatTaskLine(task));
        }
        h.WriteTasks(lines);
        h.platform.log->ClearLines();
        const auto position = PositionOfStartTime(h.build.table, time);
        ASSERT_TRUE(position.has_value());
        m_executor.dodo(static_cast<int>(*position));
    }

    test::ExecutorHarness h;
    TMessageForm m_messageForm{h.langMgr};
    TaskExecutor m_executor{h.Context(), m_messageForm};
};

TEST_F(TaskExecutorTest, AShutdownTaskPowersOffBetweenStoppingTheTickAndTheRebuild)
{
    Fire({Task("22:30:00", {{ActionKind::ShutDown, {}}})}, "22:30:00");
    EXPECT_EQ(h.Requests(), (QStringList{"[StopTick]", "PowerOffSystemForced", "[RebuildSchedule]"}));
}

// For a main window that stops the tick and rebuilds around the call itself.
TEST_F(TaskExecutorTest, ExecuteTaskCarriesOutTheActionsAlone)
{
    Fire({Task("22:30:00", {{ActionKind::LockComputer, {}}, {ActionKind::ShutDown, {}}})}, "22:30:00");
    h.platform.log->ClearLines();
    m_executor.ExecuteTask(1);
    EXPECT_EQ(h.Requests(), (QStringList{"LockDesktop", "PowerOffSystemForced"}));
    h.platform.log->ClearLines();
    m_executor.ExecuteTask(0);
    m_executor.ExecuteTask(2);
    EXPECT_TRUE(h.Requests().isEmpty());
}

TEST_F(TaskExecutorTest, DodoRunsTheTaskOfItsRowOnly)
{
    Fire({Task("09:00:00", {{ActionKind::LockComputer, {}}}), Task("10:00:00", {{ActionKind::LogOff, {}}}),
          Task("11:00:00", {{ActionKind::MonitorOff, {}}})},
         "10:00:00");
    EXPECT_EQ(h.Requests(), (QStringList{"[StopTick]", "LogOffSession", "[RebuildSchedule]"}));

    h.platform.log->ClearLines();
    m_executor.dodo(0);
    m_executor.dodo(4);
    EXPECT_TRUE(h.Requests().isEmpty());
}

TEST_F(TaskExecutorTest, CarriesOutEveryActionAtOnceInItsOrder)
{
    h.dialer.autoConnect = true;
    Fire({Task("08:00:00", {{ActionKind::ShutDown, {}},
                            {ActionKind::RunProgram, "/usr/bin/tool | ; touch /tmp/owned $(id)"},
                            {ActionKind::OpenUrl, "https://example.org"},
                            {ActionKind::CloseProgram, "notepad.exe"},
                            {ActionKind::OpenFile, "/home/u/a b.txt"},
                            {ActionKind::Hibernate, {}}})},
         "08:00:00");
    EXPECT_EQ(h.Requests(),
              (QStringList{"[StopTick]", "EnableDebugPrivilege", "KillTask notepad.exe",
                           "StartProgram /usr/bin/tool ; touch /tmp/owned $(id)", "ShellOpen /home/u/a b.txt",
                           "DialConnection", "ShellOpen https://example.org", "PowerOffSystemForced",
                           "[RebuildSchedule]"}));
    EXPECT_TRUE(h.actions.Timer14()->isActive()) << "hibernation is requested after the rebuild";
}

TEST_F(TaskExecutorTest, DialsBeforeAnAddressOnlyWithAutoConnect)
{
    for (const bool autoConnect : {false, true}) {
        h.dialer.autoConnect = autoConnect;
        Fire({Task("08:00:00", {{ActionKind::OpenUrl, "https://example.org"}})}, "08:00:00");
        QStringList expected{"[StopTick]", "ShellOpen https://example.org", "[RebuildSchedule]"};
        if (autoConnect) {
            expected.insert(1, "DialConnection");
        }
        EXPECT_EQ(h.Requests(), expected);
    }
}

TEST_F(TaskExecutorTest, ReplaysAMacroOfDataDirAndStopsTheRunWhenItCannotBeRead)
{
    QFile macro(h.DataDir() + QStringLiteral("/tidy.mco"));
    ASSERT_TRUE(macro.open(QIODevice::WriteOnly));
    macro.write("/usr/bin/editor\r\n1|2|3\r\n");
    macro.close();
    Fire({Task("08:00:00", {{ActionKind::Macro, "tidy.mco"}, {ActionKind::ShutDown, {}}})}, "08:00:00");
    EXPECT_EQ(h.Requests(), (QStringList{"[StopTick]", "StartProgram /usr/bin/editor", "ReplayMacro tidy.mco",
                                         "PowerOffSystemForced", "[RebuildSchedule]"}));

    // Without its macro the shut-down must not happen; the tick still comes back.
    Fire({Task("08:00:00", {{ActionKind::Macro, "gone.mco"}, {ActionKind::ShutDown, {}}})}, "08:00:00");
    EXPECT_EQ(h.Requests(), (QStringList{"[StopTick]", "[RebuildSchedule]"}));
}

// Two stand-by requests within the second are one stand-by, a second after the first.
TEST_F(TaskExecutorTest, SleepRequestsArmTheirTimerOnce)
{
    struct Case {
        ActionKind action;
        QTimer* timer;
        const char* request;
    };
    for (const Case& c : {Case{ActionKind::Standby, h.actions.Timer13(), "Suspend"},
                          Case{ActionKind::Hibernate, h.actions.Timer14(), "Hibernate"}}) {
        SCOPED_TRACE(c.request);
        Fire({Task("08:00:00", {{c.action, {}}})}, "08:00:00");
        EXPECT_EQ(h.Requests().last(), "[RebuildSchedule]") << "slept before the rebuild";
        ASSERT_TRUE(c.timer->isActive());
        QTest::qWait(300);
        const int left = c.timer->remainingTime();
        m_executor.dodo(1);
        EXPECT_LE(c.timer->remainingTime(), left) << "the second request restarted the second";

        ASSERT_TRUE(WaitUntil([&] { return h.Requests().contains(c.request); }));
        const QStringList requests = h.Requests();
        EXPECT_EQ(requests.count(c.request), 1);
        EXPECT_EQ(requests.at(requests.indexOf(c.request) - 1), "EnabledDebugPrivilege 1");
        EXPECT_FALSE(c.timer->isActive());
    }
}

TEST_F(TaskExecutorTest, ACountdownOpensOneReminderPerActionAndShowsTheMessageAtOnce)
{
    Fire({Task("12:00:00",
               {{ActionKind::MonitorOff, {}},
                {ActionKind::ShutDown, {}},
                {ActionKind::CloseProgram, "notepad.exe"},
                {ActionKind::ShowMessage, "Time to go"}},
               "10")},
         "12:00:00");
    EXPECT_EQ(h.Requests(), (QStringList{"[StopTick]", "[RebuildSchedule]"}));
    EXPECT_EQ(m_messageForm.Text(), "07/05/2024 12:00:00\r\nTime to go");
    EXPECT_TRUE(m_messageForm.isVisible());

    const QList<TReminder*> reminders = m_executor.OpenReminders();
    ASSERT_EQ(reminders.size(), 3);
    EXPECT_EQ(reminders[0]->Request(), (ReminderRequest{ReminderEvent::CloseMonitor, "", "", "Title", 10}));
    EXPECT_EQ(reminders[1]->Request(),
              (ReminderRequest{ReminderEvent::KillTask, "notepad.exe", "", "Title", 10}));
    EXPECT_EQ(reminders[2]->Request(), (ReminderRequest{ReminderEvent::ShutDown, "", "", "Title", 10}));
    for (TReminder* reminder : reminders) {
        EXPECT_TRUE(reminder->isVisible());
    }

    // Each acts on its own: one cancelled, one moved on, one left to count down.
    reminders[0]->Button2Click();
    h.ticks.Tick(2, 4);
    reminders[1]->PostponeClick(kPostponeItems[0]);
    h.platform.log->ClearLines();
    h.ticks.Tick(0, 10);
    h.ticks.Tick(1, 10);
    h.ticks.Tick(2, 6);
    EXPECT_EQ(h.Requests(), QStringList{"PowerOffSystemForced"});
    EXPECT_TRUE(m_executor.OpenReminders().isEmpty());
    EXPECT_EQ(h.build.taskLines.size(), 2u) << "the postponed action is a task of its own";
}

TEST_F(TaskExecutorTest, TwoMessagesStandNewestFirst)
{
    Fire({Task("12:00:00", {{ActionKind::ShowMessage, "first"}}),
          Task("12:00:01", {{ActionKind::ShowMessage, "second"}})},
         "12:00:00");
    m_executor.dodo(static_cast<int>(*PositionOfStartTime(h.build.table, "12:00:01")));
    EXPECT_EQ(m_messageForm.MessageLabel()->text(),
              "07/05/2024 12:00:01\nsecond\n\n07/05/2024 12:00:00\nfirst");
}

}  // namespace
