#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/executor/postpone.h"
#include "core/executor/task_run_plan.h"
#include "core/tasks/task_fields.h"
#include "core/tasks/task_line.h"

namespace quorvel {
namespace {

const TimeFormat kTwentyFour("%H:%M:%S", "%H:%M", "%A %d/%m/%Y", "%d/%m/%Y");
const TimeFormat kTwelve("%I:%M:%S %p", "%I:%M %p", "%A %m/%d/%Y", "%m/%d/%Y");

std::string LineAt(const char* time)
{
    return std::string(time) + "*Enabled*l1-EveryDay" + std::string(23, '*') + "other";
}

LocalMoment At(int year, int month, int day, int hour, int minute, int second, int millisecond = 0)
{
    return LocalMoment{Date{year, month, day}, TimeOfDay{hour, minute, second}, millisecond};
}

const PostponeItem& Item(std::string_view name)
{
    for (const PostponeItem& item : kPostponeItems) {
        if (item.name == name) {
            return item;
        }
    }
    throw std::invalid_argument("no such postpone item");
}

ReminderRequest ShutDownReminder()
{
    return ReminderRequest{ReminderEvent::ShutDown, "", "", "Night", 30};
}

TEST(PostponeReminder, FiveMinutesMovesPastATakenSecond)
{
    const PostponedTask task = PostponeReminder(ShutDownReminder(), Item("wait5"), At(2024, 5, 7, 14, 3, 20),
                                                {LineAt("14:08:20")}, kTwentyFour, EnglishLookup());
    EXPECT_EQ(task.timeText, "14:08:21");
    EXPECT_EQ(task.line,
              "14:08:21*Enabled*l2-2024-5-7*********Shutdown*30*************Night - Delay for 5 mins");
}

TEST(PostponeReminder, EachMenuItemDelaysByItsMinutesAndNamesItself)
{
    struct Case {
        const char* item;
        const char* time;
        const char* label;
    };
    const Case cases[] = {
        {"wait5", "10:05:00", "Delay for 5 mins"},    {"wait10", "10:10:00", "Delay for 10 mins"},
        {"wait15", "10:15:00", "Delay for 15 mins"},  {"wait30", "10:30:00", "Delay for 30 mins"},
        {"wait60", "11:00:00", "Delay for 1 hour"},   {"wait120", "12:00:00", "Delay for 2 hours"},
        {"wait180", "13:00:00", "Delay for 3 hours"}, {"wait300", "15:00:00", "Delay for 5 hours"},
    };
    ASSERT_EQ(std::size(cases), kPostponeItems.size());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        // Milliseconds are dropped, never rounded up into the next second.
        const PostponedTask task =
            PostponeReminder(ShutDownReminder(), Item(c.item), At(2024, 5, 7, 10, 0, 0, 999), {}, kTwentyFour,
                             EnglishLookup());
        const TaskRecord record = ParseTaskLine(task.line);
        EXPECT_EQ(task.timeText, c.time);
        EXPECT_EQ(record.StartTime, c.time);
        EXPECT_EQ(record.RepeatCode, "l2-2024-5-7");
        EXPECT_EQ(record.Title, std::string("Night - ") + c.label);
    }
}

TEST(PostponeReminder, DatesTheTaskOnTheDayTheDelayReaches)
{
    struct Case {
        const char* name;
        LocalMoment now;
        const char* item;
        std::vector<std::string> lines;
        const char* time;
        const char* repeatCode;
    };
    const std::vector<Case> cases = {
        {"past midnight", At(2024, 5, 7, 23, 58, 0), "wait5", {}, "00:03:00", "l2-2024-5-8"},
        {"into the new year", At(2024, 12, 31, 23, 30, 0), "wait60", {}, "00:30:00", "l2-2025-1-1"},
        {"onto a leap day", At(2024, 2, 28, 23, 0, 0), "wait300", {}, "04:00:00", "l2-2024-2-29"},
        // The unique time moves past midnight, the date stays the delay's own.
        {"moved past midnight",
         At(2024, 5, 7, 23, 54, 59),
         "wait5",
         {LineAt("23:59:59")},
         "00:00:00",
         "l2-2024-5-7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PostponedTask task =
            PostponeReminder(ShutDownReminder(), Item(c.item), c.now, c.lines, kTwentyFour, EnglishLookup());
        EXPECT_EQ(task.timeText, c.time);
        EXPECT_EQ(ParseTaskLine(task.line).RepeatCode, c.repeatCode);
    }
}

TEST(PostponeReminder, HoldsOnlyTheOneAnnouncedAction)
{
    struct Case {
        ReminderEvent event;
        ActionKind kind;
        const char* field;
    };
    const Case cases[] = {
        {ReminderEvent::CloseMonitor, ActionKind::MonitorOff, "monitor"},
        {ReminderEvent::ShutDown, ActionKind::ShutDown, "Shutdown"},
        {ReminderEvent::OpenEXE, ActionKind::RunProgram, "Run Program:/usr/bin/tool | -x 'a b'"},
        {ReminderEvent::Reboot, ActionKind::Reboot, "Reboot"},
        {ReminderEvent::LockWS, ActionKind::LockComputer, "Lock Computer"},
        {ReminderEvent::Open, ActionKind::OpenFile, "Open File:/usr/bin/tool"},
        {ReminderEvent::KillTask, ActionKind::CloseProgram, "Close Program:/usr/bin/tool"},
        {ReminderEvent::Openhttp, ActionKind::OpenUrl, "Open URL:/usr/bin/tool"},
        {ReminderEvent::StandBy, ActionKind::Standby, "Standby"},
        {ReminderEvent::Hibernate, ActionKind::Hibernate, "Hibernate"},
        {ReminderEvent::LogOff, ActionKind::LogOff, "logoff"},
        {ReminderEvent::Macro, ActionKind::Macro, "Macro:/usr/bin/tool"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ReminderEventKeyword(c.event));
        const ReminderRequest request{c.event, "/usr/bin/tool",
                                      c.event == ReminderEvent::OpenEXE ? "-x 'a b'" : "", "Evening", 0};
        const TaskRecord record =
            ParseTaskLine(PostponeReminder(request, Item("wait10"), At(2024, 5, 7, 9, 0, 0), {}, kTwentyFour,
                                           EnglishLookup())
                              .line);
        EXPECT_EQ(record.State, "Enabled");
        EXPECT_EQ(record.Countdown, "0");
        for (const std::string& flag : record.WeekdayFlags) {
            EXPECT_EQ(flag, "");
        }
        for (const ActionKind kind : kAllActionKinds) {
            EXPECT_EQ(ActionField(record, kind), kind == c.kind ? c.field : "") << ActionKeyword(kind);
        }
    }
}

TEST(PostponeReminder, TheNewTaskAnnouncesTheSameActionAgain)
{
    const ReminderRequest request{ReminderEvent::OpenEXE, "/usr/bin/tool", "-a | b", "Backup", 15};
    const PostponedTask task =
        PostponeReminder(request, Item("wait15"), At(2024, 5, 7, 9, 0, 0), {}, kTwentyFour, EnglishLookup());
    const ExecutorPlan plan =
        PlanTaskRun(ParseTaskLine(task.line), Date{2024, 5, 7}, kTwentyFour, ExecutorSettings{});
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[1].reminder, (ReminderRequest{ReminderEvent::OpenEXE, "/usr/bin/tool", "-a | b",
                                                 "Backup - Delay for 15 mins", 15}));
}

TEST(PostponeReminder, AddsALabelToATitleThatHasOneAlready)
{
    ReminderRequest request = ShutDownReminder();
    request.title = "Night - Delay for 5 mins";
    const PostponedTask task =
        PostponeReminder(request, Item("wait10"), At(2024, 5, 7, 9, 0, 0), {}, kTwentyFour, EnglishLookup());
    EXPECT_EQ(ParseTaskLine(task.line).Title, "Night - Delay for 5 mins - Delay for 10 mins");
}

TEST(PostponeReminder, UsesTheUsersTimeFormatAndLanguage)
{
    class German final : public LangLookup {
    public:
        std::string Str(std::string_view key, std::string_view fallback) const override
        {
            return key == "Delay60" ? "1 Stunde später" : std::string(fallback);
        }
    };
    const PostponedTask task = PostponeReminder(ShutDownReminder(), Item("wait60"), At(2024, 5, 7, 13, 30, 0),
                                                {LineAt("02:30:00 PM")}, kTwelve, German());
    EXPECT_EQ(task.timeText, "02:30:01 PM");
    EXPECT_EQ(ParseTaskLine(task.line).Title, "Night - 1 Stunde später");
}

}  // namespace
}  // namespace quorvel
