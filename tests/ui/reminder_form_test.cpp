#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "core/executor/postpone.h"
#include "core/tasks/task_line.h"
#include "support/executor_harness.h"
#include "ui/reminder/reminder_form.h"

using namespace quorvel;

namespace {

const QString kWaitNotice = QStringLiteral("Notice! The following scheduled task waiting for confirm!");

std::string DailyAt(const char* time, const char* title)
{
    return std::string(time) + "*Enabled*l1-EveryDay" + std::string(23, '*') + title;
}

class ReminderTest : public ::testing::Test {
protected:
    TReminder* Open(ReminderRequest request)
    {
        auto* reminder = new TReminder(std::move(request), h.Context());
        m_windows.append(reminder);
        reminder->show();
        return reminder;
    }
    TReminder* OpenShutDown(int countdown)
    {
        return Open(ReminderRequest{ReminderEvent::ShutDown, "", "", "Night", countdown});
    }

    void TearDown() override
    {
        for (const QPointer<TReminder>& window : m_windows) {
            delete window.data();
        }
    }

    static QLabel* Label(TReminder* reminder, const char* name)
    {
        return reminder->findChild<QLabel*>(QString::fromLatin1(name));
    }
    static void Press(TReminder* reminder, const char* name)
    {
        reminder->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    static void Choose(TReminder* reminder, std::string_view item)
    {
        QAction* action = reminder->WaitingMenu()->findChild<QAction*>(
            QString::fromUtf8(item.data(), qsizetype(item.size())));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }

    test::ExecutorHarness h;
    QList<QPointer<TReminder>> m_windows;
};

TEST_F(ReminderTest, CountdownOfTenActsOnceWhenItReachesZero)
{
    TReminder* reminder = OpenShutDown(10);
    QLabel* number = Label(reminder, "lb2");
    EXPECT_EQ(number->text(), "10");
    EXPECT_TRUE(h.ticks.Timers().at(0)->active);

    for (int remaining = 9; remaining >= 1; --remaining) {
        h.ticks.Tick(0);
        EXPECT_EQ(number->text(), QString::number(remaining));
    }
    EXPECT_TRUE(h.Requests().isEmpty()) << "acted before zero";

    h.ticks.Tick(0);
    EXPECT_EQ(number->text(), "0");
    EXPECT_EQ(h.Requests(), QStringList{"PowerOffSystemForced"});
    EXPECT_TRUE(reminder->IsFinished());
    EXPECT_FALSE(reminder->isVisible());

    h.ticks.Tick(0, 3);
    EXPECT_EQ(h.Requests().size(), 1) << "acted again after closing";
}

TEST_F(ReminderTest, TheNumberAndSecsStandSixPixelsApartAfterTheNotice)
{
    TReminder* reminder = OpenShutDown(120);
    const auto expectPlaced = [&] {
        const QRect notice = Label(reminder, "lb1")->geometry();
        const QRect number = Label(reminder, "lb2")->geometry();
        const QRect secs = Label(reminder, "lb3")->geometry();
        EXPECT_EQ(number.left(), notice.right() + 1 + 6);
        EXPECT_EQ(secs.left(), number.right() + 1 + 6);
        return number.width();
    };
    const int wide = expectPlaced();
    h.ticks.Tick(0, 21);  // placed again when the number gets shorter
    EXPECT_EQ(Label(reminder, "lb2")->text(), "99");
    EXPECT_LT(expectPlaced(), wide);
    EXPECT_EQ(Label(reminder, "lb3")->text(), "secs.");
}

TEST_F(ReminderTest, CountdownOfZeroWaitsForTheUser)
{
    TReminder* reminder = OpenShutDown(0);
    EXPECT_EQ(Label(reminder, "lb1")->text(), kWaitNotice);
    EXPECT_FALSE(Label(reminder, "lb2")->isVisible());
    EXPECT_FALSE(Label(reminder, "lb3")->isVisible());
    EXPECT_FALSE(h.ticks.Timers().at(0)->active);
    EXPECT_EQ(h.ticks.Timers().at(0)->starts, 0);

    h.ticks.Tick(0, 5);
    EXPECT_TRUE(h.Requests().isEmpty());
    Press(reminder, "Button1");
    EXPECT_EQ(h.Requests(), QStringList{"PowerOffSystemForced"});
    EXPECT_TRUE(reminder->IsFinished());
}

// The reminder comes up while the user may be typing elsewhere.
TEST_F(ReminderTest, AStrayEnterDoesNotActAtOnce)
{
    TReminder* reminder = OpenShutDown(30);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(reminder, key);
    }
    EXPECT_TRUE(h.Requests().isEmpty());
    EXPECT_FALSE(reminder->IsFinished());
}

TEST_F(ReminderTest, WaitingAlongStopsTheCountForGood)
{
    TReminder* reminder = OpenShutDown(5);
    h.ticks.Tick(0, 2);
    Choose(reminder, kWaitAlongName);
    EXPECT_EQ(Label(reminder, "lb1")->text(), kWaitNotice);
    EXPECT_FALSE(Label(reminder, "lb2")->isVisible());
    h.ticks.Tick(0, 10);
    EXPECT_TRUE(h.Requests().isEmpty());
    EXPECT_FALSE(reminder->IsFinished());
    Press(reminder, "Button2");
    EXPECT_TRUE(reminder->IsFinished());
    EXPECT_TRUE(h.Requests().isEmpty());
}

TEST_F(ReminderTest, ShowsTheTaskAndTheEventWithItsTarget)
{
    struct Case {
        ReminderRequest request;
        QString event;
        QString parameter;  // empty: the parameter line stays hidden
    };
    const Case cases[] = {
        {{ReminderEvent::KillTask, "notepad.exe", "", "Close", 3}, "Event: Close Program notepad.exe", {}},
        {{ReminderEvent::OpenEXE, "/usr/bin/tool", "-x 1", "Run", 3},
         "Event: Open Program /usr/bin/tool",
         "Parameter: -x 1"},
        {{ReminderEvent::OpenEXE, "/usr/bin/tool", "", "Run", 3}, "Event: Open Program /usr/bin/tool", {}},
        {{ReminderEvent::LockWS, "", "", "Lock", 3}, "Event: Lock Computer", {}},
        // Text from the task file is shown as it is, never read as markup.
        {{ReminderEvent::Openhttp, "<b>http://x</b>", "", "<i>t</i>", 3}, "Event: Open <b>http://x</b>", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event.toStdString());
        TReminder* reminder = Open(c.request);
        EXPECT_EQ(Label(reminder, "Title")->text(),
                  QStringLiteral("Task Title: ") + QString::fromStdString(c.request.title));
        EXPECT_EQ(Label(reminder, "event")->text(), c.event);
        EXPECT_EQ(Label(reminder, "Title")->textFormat(), Qt::PlainText);
        EXPECT_EQ(Label(reminder, "param")->isVisible(), !c.parameter.isEmpty());
        if (!c.parameter.isEmpty()) {
            EXPECT_EQ(Label(reminder, "param")->text(), c.parameter);
        }
    }
}

// The title bar only takes the window out of sight; the action still happens at zero.
TEST_F(ReminderTest, ClosingHidesAndTheCountGoesOn)
{
    TReminder* reminder = OpenShutDown(3);
    reminder->close();
    EXPECT_FALSE(reminder->isVisible());
    EXPECT_FALSE(reminder->IsFinished());
    h.ticks.Tick(0, 2);
    EXPECT_TRUE(h.Requests().isEmpty());
    h.ticks.Tick(0);
    EXPECT_EQ(h.Requests(), QStringList{"PowerOffSystemForced"});
    EXPECT_TRUE(reminder->IsFinished());
}

TEST_F(ReminderTest, CancelLeavesTheTaskFileAsItWas)
{
    h.WriteTasks({DailyAt("22:30:00", "Night shutdown")});
    const std::string before = h.TaskFile();
    TReminder* reminder = OpenShutDown(10);
    h.ticks.Tick(0, 4);
    Press(reminder, "Button2");
    EXPECT_TRUE(reminder->IsFinished());
    h.ticks.Tick(0, 10);
    EXPECT_EQ(h.TaskFile(), before);
    EXPECT_TRUE(h.Requests().isEmpty());
}

// At 14:03:20 on 7 May 2024, with another task at 14:08:20.
TEST_F(ReminderTest, EachDelayAppendsItsOneTimeTaskAndSelectsIt)
{
    struct Case {
        std::string_view item;
        const char* time;
        const char* date;
        const char* label;
    };
    const Case cases[] = {
        {"wait5", "14:08:21", "2024-5-7", "Delay for 5 mins"},
        {"wait10", "14:13:20", "2024-5-7", "Delay for 10 mins"},
        {"wait15", "14:18:20", "2024-5-7", "Delay for 15 mins"},
        {"wait30", "14:33:20", "2024-5-7", "Delay for 30 mins"},
        {"wait60", "15:03:20", "2024-5-7", "Delay for 1 hour"},
        {"wait120", "16:03:20", "2024-5-7", "Delay for 2 hours"},
        {"wait180", "17:03:20", "2024-5-7", "Delay for 3 hours"},
        {"wait300", "19:03:20", "2024-5-7", "Delay for 5 hours"},
    };
    const std::string other = DailyAt("14:08:20", "Other");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.item));
        h.WriteTasks({other});
        h.selected.clear();
        h.platform.log->ClearLines();
        TReminder* reminder = OpenShutDown(30);
        h.ticks.Tick(h.ticks.Timers().size() - 1, 5);
        Choose(reminder, c.item);

        const std::string added = std::string(c.time) + "*Enabled*l2-" + c.date +
                                  "*********Shutdown*30*************Night - " + c.label;
        EXPECT_EQ(h.TaskFile(), other + "\r\n" + added + "\r\n");
        EXPECT_EQ(h.Requests(), QStringList{"[RebuildSchedule]"}) << "the action itself ran";
        EXPECT_EQ(h.build.taskLines.size(), 2u);
        EXPECT_EQ(h.selected, std::vector<std::string>{c.time});
        EXPECT_TRUE(reminder->IsFinished());
    }
}

TEST_F(ReminderTest, PostponingKeepsTheOneActionWithItsTarget)
{
    TReminder* reminder = Open(ReminderRequest{ReminderEvent::OpenEXE, "/usr/bin/tool", "-x", "Backup", 0});
    Choose(reminder, "wait60");
    EXPECT_EQ(h.TaskFile(),
              "15:03:20*Enabled*l2-2024-5-7**********0*Run Program:/usr/bin/tool | -x************Backup - "
              "Delay for 1 hour\r\n");
}

// A failed save loses nothing: no task is half-written, and the reminder waits to be acted on.
TEST_F(ReminderTest, AFailedSaveIsToldAndTheReminderWaits)
{
    h.WriteTasks({DailyAt("09:00:00", "Morning")});
    const std::string before = h.TaskFile();
    ExecutorContext context = h.Context();
    context.dataDir = h.DataDir() + QStringLiteral("/missing-folder");
    auto* reminder = new TReminder(ReminderRequest{ReminderEvent::ShutDown, "", "", "Night", 30}, context);
    m_windows.append(reminder);
    reminder->show();
    Choose(reminder, "wait5");

    ASSERT_EQ(h.boxes.size(), 1);
    EXPECT_TRUE(h.boxes[0].startsWith(QStringLiteral("Unable to write to ") + context.dataDir +
                                      QStringLiteral("/task.dat\n")))
        << h.boxes[0].toStdString();
    EXPECT_FALSE(reminder->IsFinished());
    EXPECT_EQ(Label(reminder, "lb1")->text(), kWaitNotice);
    EXPECT_TRUE(h.Requests().isEmpty()) << "rebuilt although nothing was stored";
    EXPECT_EQ(h.TaskFile(), before);

    Press(reminder, "Button1");
    EXPECT_EQ(h.Requests(), QStringList{"PowerOffSystemForced"});
}

// When the last rebuild could not read task.dat, TaskLines is not the file: saving it would
// replace tasks nobody has seen.
TEST_F(ReminderTest, DoesNotSaveOverATaskFileThatCouldNotBeRead)
{
    h.WriteTasks({DailyAt("09:00:00", "Morning"), DailyAt("10:00:00", "Later")});
    const std::string before = h.TaskFile();
    h.build.taskLines.clear();
    h.taskFileProblem = "cannot read task.dat: Permission denied";
    TReminder* reminder = OpenShutDown(30);
    Choose(reminder, "wait5");
    EXPECT_EQ(h.TaskFile(), before);
    ASSERT_EQ(h.boxes.size(), 1);
    EXPECT_TRUE(h.boxes[0].endsWith(QStringLiteral("cannot read task.dat: Permission denied")));
    EXPECT_FALSE(reminder->IsFinished());
}

TEST_F(ReminderTest, AMacroFileThatCannotBeReadKeepsTheReminderWaiting)
{
    TReminder* reminder = Open(ReminderRequest{ReminderEvent::Macro, "missing.mco", "", "Macro", 2});
    h.ticks.Tick(0, 2);
    EXPECT_TRUE(h.Requests().isEmpty());
    EXPECT_FALSE(reminder->IsFinished());
    EXPECT_EQ(Label(reminder, "lb1")->text(), kWaitNotice);
    EXPECT_FALSE(h.ticks.Timers().at(0)->active);

    // Once the file is there, the user can try again.
    QFile file(h.DataDir() + QStringLiteral("/missing.mco"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\r\n100|200|0\r\n");
    file.close();
    Press(reminder, "Button1");
    EXPECT_EQ(h.Requests(), QStringList{"ReplayMacro missing.mco"});
    EXPECT_TRUE(reminder->IsFinished());
}

}  // namespace
