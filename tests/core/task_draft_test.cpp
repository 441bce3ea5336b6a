#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/editor/task_draft.h"
#include "core/tasks/task_line.h"

namespace quorvel {
namespace {

const TimeFormat kTwentyFour("%H:%M:%S", "%H:%M", "%A %m/%d/%Y", "%m/%d/%Y");
const LocalMoment kNow{Date{2024, 4, 9}, TimeOfDay{14, 5, 30}, 0};

// An editor's action area whose machine wakes from suspend unless told otherwise.
struct Editor {
    std::optional<int> rtcWake = 4;
    int noWakeMessages = 0;
    ActionRules rules{ActionRulesEnvironment{[] { return true; }, [this] { ++noWakeMessages; },
                                             [this] { return rtcWake; }}};

    TaskDraft Load(std::string_view line) { return DraftFromLine(line, kNow, kTwentyFour, rules); }
};

std::string LineOf(const char* startTime, const char* state, const char* repeatCode,
                   const std::function<void(TaskRecord&)>& fill)
{
    TaskRecord record;
    record.StartTime = startTime;
    record.State = state;
    record.RepeatCode = repeatCode;
    fill(record);
    return FormatTaskLine(record);
}

std::string Save(const TaskDraft& draft, std::string_view startTime = "10:00:00")
{
    return LineFromDraft(draft, startTime, DefaultBoxCaptions());
}

TEST(TaskDraft, StoredTasksComeBackUnchanged)
{
    std::vector<std::string> lines = {
        "22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown",
        "07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on",
        "12:00:00*Enabled**Mon**Wed**Fri*******Show Message:Please take a rest.***********Break",
        "09:00:00*Enabled*l4-1***********Run Program:C:\\Tools\\backup.exe | /quiet************Backup",
        "08:00:00*Enabled*l3-12-25***************Open File:C:\\Music\\carols.mp3********Carols",
        "18:00:01*Enabled*l1-EveryDay**********60******Close Program:notepad.exe******* Terminate Process",
        "03:15:00*Enabled*******Sat*Sun***************Macro:C:\\Macros\\cleanup.mco*Weekend macro",
    };
    // The pair a task may hold, a disabled task, a weekly task without any day, a starred title.
    lines.push_back(LineOf("06:00:00", "Enabled", "l1-EveryDay", [](TaskRecord& r) {
        r.MonitorOff = "monitor";
        r.Macro = "Macro:/m/a.mco";
        r.Title = "Pair";
    }));
    lines.push_back(LineOf("06:00:01", "Disabled", "l1-EveryDay", [](TaskRecord& r) {
        r.Reboot = "Reboot";
        r.Title = "Kept off";
    }));
    lines.push_back(LineOf("06:00:02", "Enabled", "", [](TaskRecord& r) {
        r.LockComputer = "Lock Computer";
        r.Title = "No day";
    }));
    lines.push_back(LineOf("06:00:03", "Enabled", "l1-EveryDay", [](TaskRecord& r) {
        r.ShutDown = "Shutdown";
        r.Title = "Title * with star";
    }));
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        Editor editor;
        const TaskDraft draft = editor.Load(line);
        EXPECT_TRUE(editor.rules.Loading());
        EXPECT_EQ(Save(draft, ParseTaskLine(line).StartTime), line);
    }
}

TEST(TaskDraft, LoadingFillsTheControlsAsStored)
{
    Editor editor;
    const TaskDraft once = editor.Load(LineOf("07:08:09", "Enabled", "l2-2024-5-7", [](TaskRecord& r) {
        r.WeekdayFlags = {"Mon", "Tues", "", "", "", "Sat", "Sun"};
        r.Reboot = "Reboot";
    }));
    EXPECT_EQ(once.repetition, Repetition::Once);
    EXPECT_EQ(once.onceDate, (Date{2024, 5, 7}));
    EXPECT_EQ(once.startTime, (TimeOfDay{7, 8, 9}));
    EXPECT_EQ(once.weekdays, (std::array<bool, 7>{true, true, false, false, false, true, true}));
    // The other drop-downs keep today's numbers.
    EXPECT_EQ(once.monthlyDayText, "9");
    EXPECT_EQ(once.annualMonthText, "4");

    Editor daily;
    const TaskDraft loaded = daily.Load("22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************x");
    EXPECT_EQ(loaded.weekdays, (std::array<bool, 7>{})) << "a non-weekly task has no day ticked";
    EXPECT_TRUE(loaded.countdownTicked);
    EXPECT_EQ(loaded.countdownText, "30");
    EXPECT_EQ(loaded.actions.targets[BoxIndex(ActionBox::OpenUrl)], "") << "no http:// without Open URL";
    EXPECT_TRUE(daily.rules.IsTicked(ActionBox::ShutDown));

    Editor program;
    program.Load("09:00:00*Enabled*l4-1***********Run Program:C:\\p.exe | a | b************B");
    EXPECT_EQ(program.rules.LaunchDisplayText(), "C:\\p.exe a | b");
    EXPECT_EQ(program.rules.LaunchProgramValue(), "C:\\p.exe | a | b");
}

TEST(TaskDraft, UnusableStoredDatesAndTimesShowTodaysValues)
{
    struct Case {
        const char* repeatCode;
        const char* startTime;
        Date onceDate;
        const char* monthlyDay;
        const char* annualMonth;
        const char* annualDay;
        TimeOfDay startTimeShown;
    };
    const Case cases[] = {
        {"l2-2023-2-30", "01:02:03", Date{2024, 4, 9}, "9", "4", "9", TimeOfDay{1, 2, 3}},
        {"l2-20x4-1-1", "01:02:03", Date{2024, 4, 9}, "9", "4", "9", TimeOfDay{1, 2, 3}},
        {"l4-05", "01:02:03", Date{2024, 4, 9}, "5", "4", "9", TimeOfDay{1, 2, 3}},
        {"l4-32", "01:02:03", Date{2024, 4, 9}, "9", "4", "9", TimeOfDay{1, 2, 3}},
        {"l3-13-1", "01:02:03", Date{2024, 4, 9}, "9", "4", "1", TimeOfDay{1, 2, 3}},
        {"l3-2-x", "01:02:03", Date{2024, 4, 9}, "9", "2", "9", TimeOfDay{1, 2, 3}},
        {"l1-EveryDay", "noon", Date{2024, 4, 9}, "9", "4", "9", kNow.time},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.repeatCode);
        TaskRecord record;
        record.StartTime = c.startTime;
        record.RepeatCode = c.repeatCode;
        record.Reboot = "Reboot";
        Editor editor;
        const TaskDraft draft = editor.Load(FormatTaskLine(record));
        EXPECT_EQ(draft.onceDate, c.onceDate);
        EXPECT_EQ(draft.monthlyDayText, c.monthlyDay);
        EXPECT_EQ(draft.annualMonthText, c.annualMonth);
        EXPECT_EQ(draft.annualDayText, c.annualDay);
        EXPECT_EQ(draft.startTime, c.startTimeShown);
    }
}

TEST(TaskDraft, SavingWritesTheChosenRepetitionOnly)
{
    Editor editor;
    TaskDraft draft = NewTaskDraft(kNow, editor.rules);
    editor.rules.SetTicked(ActionBox::Restart, true);
    draft.actions = editor.rules.Selection();
    draft.title = "t";
    draft.onceDate = Date{2024, 5, 7};
    draft.monthlyDayText = "31";
    draft.annualMonthText = "12";
    draft.annualDayText = "25";
    struct Case {
        Repetition repetition;
        const char* repeatCode;
        bool weekdays;
    };
    const Case cases[] = {
        {Repetition::Once, "l2-2024-5-7", false}, {Repetition::Daily, "l1-EveryDay", false},
        {Repetition::Monthly, "l4-31", false},    {Repetition::Annually, "l3-12-25", false},
        {Repetition::Weekly, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.repeatCode);
        draft.repetition = c.repetition;
        const std::string expected = LineOf("10:00:00", "Enabled", c.repeatCode, [&](TaskRecord& r) {
            if (c.weekdays) {
                r.WeekdayFlags = {"Mon", "Tues", "Wed", "Thurs", "Fri", "", ""};
            }
            r.Reboot = "Reboot";
            r.Title = "t";
        });
        EXPECT_EQ(Save(draft), expected);
    }
}

TEST(TaskDraft, AnEmptyTitleIsMadeOfTheTickedCaptions)
{
    Editor editor;
    TaskDraft draft = NewTaskDraft(kNow, editor.rules);
    editor.rules.SetLoading(true);  // a stored Shut down task: ticked without the question
    editor.rules.SetTicked(ActionBox::ShutDown, true);
    draft.actions = editor.rules.Selection();
    EXPECT_EQ(RecordFromDraft(draft, "10:00:00", DefaultBoxCaptions()).Title, " Shut down ");

    Editor pair;
    pair.rules.SetTicked(ActionBox::CloseMonitor, true);
    pair.rules.PickTarget(ActionBox::Macro, "/m/a.mco");
    draft.actions = pair.rules.Selection();
    BoxCaptions translated = DefaultBoxCaptions();
    translated[BoxIndex(ActionBox::Macro)] = "Makro ";
    EXPECT_EQ(RecordFromDraft(draft, "10:00:00", translated).Title, " Close Monitor Makro ");

    draft.title = "   ";
    EXPECT_EQ(RecordFromDraft(draft, "10:00:00", translated).Title, "   ") << "blanks are a title";
}

TEST(TaskDraft, APowerOnTaskOnAMachineWithoutWakeSupportLoadsWithoutAction)
{
    Editor editor;
    editor.rtcWake = 0;
    const TaskDraft draft =
        editor.Load("07:00:00*Enabled*l2-2008-3-15**********45**********Power-on*** Power on");
    EXPECT_EQ(editor.noWakeMessages, 1);
    EXPECT_FALSE(editor.rules.AnyTicked());
    EXPECT_TRUE(editor.rules.CountdownAvailable());
    EXPECT_EQ(draft.actions.ticked, (std::array<bool, kActionBoxCount>{}));
    // The count-down is still loaded and would be written.
    EXPECT_TRUE(draft.countdownTicked);
    EXPECT_EQ(draft.countdownText, "45");
}

TEST(TaskDraft, ACountdownHiddenByPowerOnIsStillWritten)
{
    Editor editor;
    TaskDraft draft = NewTaskDraft(kNow, editor.rules);
    draft.countdownTicked = true;
    draft.countdownText = "15";
    editor.rules.SetTicked(ActionBox::PowerOn, true);
    EXPECT_FALSE(editor.rules.CountdownAvailable());
    draft.actions = editor.rules.Selection();
    EXPECT_EQ(RecordFromDraft(draft, "10:00:00", DefaultBoxCaptions()).Countdown, "15");
}

TEST(TaskDraft, ANewTaskStartsFromTheDefaults)
{
    Editor editor;
    const TaskDraft draft = NewTaskDraft(kNow, editor.rules);
    EXPECT_FALSE(editor.rules.Loading());
    EXPECT_EQ(draft.repetition, Repetition::Daily);
    EXPECT_EQ(draft.startTime, kNow.time);
    EXPECT_EQ(draft.onceDate, kNow.date);
    EXPECT_EQ(draft.weekdays, (std::array<bool, 7>{true, true, true, true, true, false, false}));
    EXPECT_EQ(draft.countdownText, "30");
    EXPECT_TRUE(draft.enabled);
    EXPECT_EQ(draft.actions.targets[BoxIndex(ActionBox::OpenUrl)], "http://");

    // Clicking into the URL field alone saves the initial text as the address.
    editor.rules.SetTicked(ActionBox::OpenUrl, true);
    editor.rules.UntickEmptyTargets();
    TaskDraft saved = draft;
    saved.actions = editor.rules.Selection();
    EXPECT_EQ(RecordFromDraft(saved, "10:00:00", DefaultBoxCaptions()).OpenUrl, "Open URL:http://");
}

}  // namespace
}  // namespace quorvel
