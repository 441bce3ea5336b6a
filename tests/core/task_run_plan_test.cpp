#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "case_name.h"
#include "core/executor/task_run_plan.h"
#include "core/tasks/task_fields.h"

namespace quorvel {
namespace {

const TimeFormat kFormat("%H:%M:%S", "%H:%M", "%A %d/%m/%Y", "%d/%m/%Y");
constexpr Date kToday{2024, 5, 7};

// The macro files the tests can read; any other cannot be read.
std::optional<std::vector<std::string>> FakeMacroFiles(const std::string& file)
{
    if (file == "/m/notes.mco") {
        return std::vector<std::string>{"/usr/bin/gedit", "100 K 65", "200 U 65"};
    }
    if (file == "/m/bare.mco") {
        return std::vector<std::string>{"", "100 K 65"};
    }
    return std::nullopt;
}

TaskRecord Task(std::initializer_list<std::pair<ActionKind, std::string>> actions, std::string countdown = {})
{
    TaskRecord record;
    record.StartTime = "22:30:00";
    record.State = "Enabled";
    record.RepeatCode = "l1-EveryDay";
    record.Countdown = std::move(countdown);
    record.Title = "Evening";
    for (const auto& [kind, field] : actions) {
        ActionField(record, kind) = field;
    }
    return record;
}

std::vector<std::string> Describe(const ExecutorPlan& plan)
{
    std::vector<std::string> lines;
    for (const ExecutorStep& step : plan) {
        lines.push_back(DescribeStep(step));
    }
    return lines;
}

// The plan between the StopTick that opens every run and the RebuildSchedule that ends it.
std::vector<std::string> Middle(const TaskRecord& record, bool autoConnect = false)
{
    const ExecutorPlan plan =
        PlanTaskRun(record, kToday, kFormat, ExecutorSettings{autoConnect, FakeMacroFiles});
    std::vector<std::string> lines = Describe(plan);
    EXPECT_GE(lines.size(), 2u);
    if (lines.size() < 2) {
        return lines;
    }
    EXPECT_EQ(lines.front(), "StopTick");
    EXPECT_EQ(lines.back(), "RebuildSchedule");
    return {lines.begin() + 1, lines.end() - 1};
}

struct ActionCase {
    const char* name;
    ActionKind kind;
    std::string field;
    std::vector<std::string> atOnce;
    std::vector<std::string> withCountdown;  // count-down "10"
};

class EveryAction : public testing::TestWithParam<ActionCase> {};

TEST_P(EveryAction, RunsAtOnceWithoutCountdownAndIsAnnouncedWithOne)
{
    const ActionCase& c = GetParam();
    EXPECT_EQ(Middle(Task({{c.kind, c.field}})), c.atOnce);
    EXPECT_EQ(Middle(Task({{c.kind, c.field}}, "10")), c.withCountdown);
}

const std::string kEntry = "ShowMessage(07/05/2024 22:30:00\\x0D\\x0ATake a rest: now)";

INSTANTIATE_TEST_SUITE_P(
    Plan, EveryAction,
    testing::Values(ActionCase{"MonitorOff",
                               ActionKind::MonitorOff,
                               "monitor",
                               {"TurnMonitorOff"},
                               {"OpenReminder(CloseMonitor, , , Evening, 10)"}},
                    ActionCase{"CloseProgram",
                               ActionKind::CloseProgram,
                               "Close Program:notepad.exe",
                               {"EnableDebugPrivilege", "KillTask(notepad.exe)"},
                               {"OpenReminder(KillTask, notepad.exe, , Evening, 10)"}},
                    ActionCase{"RunProgram",
                               ActionKind::RunProgram,
                               "Run Program:/usr/bin/tool | -x",
                               {"StartProgram(/usr/bin/tool, -x)"},
                               {"OpenReminder(OpenEXE, /usr/bin/tool, -x, Evening, 10)"}},
                    ActionCase{"LogOff",
                               ActionKind::LogOff,
                               "logoff",
                               {"LogOffSession"},
                               {"OpenReminder(LogOff, , , Evening, 10)"}},
                    ActionCase{"ShowMessageNeverAnnounced",
                               ActionKind::ShowMessage,
                               "Show Message:Take a rest: now",
                               {"MessageBeep", kEntry},
                               {"MessageBeep", kEntry}},
                    ActionCase{"LockComputer",
                               ActionKind::LockComputer,
                               "Lock Computer",
                               {"LockDesktop"},
                               {"OpenReminder(LockWS, , , Evening, 10)"}},
                    ActionCase{"Reboot",
                               ActionKind::Reboot,
                               "Reboot",
                               {"RestartSystemForced"},
                               {"OpenReminder(Reboot, , , Evening, 10)"}},
                    ActionCase{"OpenFile",
                               ActionKind::OpenFile,
                               "Open File:/home/anna/My Notes.pdf",
                               {"ShellOpen(/home/anna/My Notes.pdf)"},
                               {"OpenReminder(Open, /home/anna/My Notes.pdf, , Evening, 10)"}},
                    ActionCase{"OpenUrl",
                               ActionKind::OpenUrl,
                               "Open URL:https://example.org:8080/a",
                               {"ShellOpen(https://example.org:8080/a)"},
                               {"OpenReminder(Openhttp, https://example.org:8080/a, , Evening, 10)"}},
                    ActionCase{"Standby",
                               ActionKind::Standby,
                               "Standby",
                               {"StandBySoon"},
                               {"OpenReminder(StandBy, , , Evening, 10)"}},
                    ActionCase{"Hibernate",
                               ActionKind::Hibernate,
                               "Hibernate",
                               {"HibernateSoon"},
                               {"OpenReminder(Hibernate, , , Evening, 10)"}},
                    ActionCase{"PowerOnHasNoStep", ActionKind::PowerOn, "Power-on", {}, {}},
                    ActionCase{
                        "Macro",
                        ActionKind::Macro,
                        "Macro:/m/notes.mco",
                        {"StartProgram(/usr/bin/gedit, )", "ReplayMacro(/m/notes.mco, 3 lines, 2000 ms)"},
                        {"OpenReminder(Macro, /m/notes.mco, , Evening, 10)"}},
                    ActionCase{"MacroWithoutProgram",
                               ActionKind::Macro,
                               "Macro:/m/bare.mco",
                               {"ReplayMacro(/m/bare.mco, 2 lines, 2000 ms)"},
                               {"OpenReminder(Macro, /m/bare.mco, , Evening, 10)"}},
                    ActionCase{"ShutDown",
                               ActionKind::ShutDown,
                               "Shutdown",
                               {"PowerOffSystemForced"},
                               {"OpenReminder(ShutDown, , , Evening, 10)"}}),
    testing_support::CaseName{});

TEST(PlanTaskRun, WalksTheActionsInTheirFixedOrder)
{
    TaskRecord all = Task({});
    for (const ActionKind kind : kAllActionKinds) {
        ActionField(all, kind) = MakeActionField(kind, "x");
    }
    all.RunProgram = "Run Program:/usr/bin/tool | -x";
    all.Macro = "Macro:/m/bare.mco";
    all.Reboot.clear();  // a shut-down task never restarts; checked on its own below
    EXPECT_EQ(Middle(all),
              (std::vector<std::string>{
                  "TurnMonitorOff", "EnableDebugPrivilege", "KillTask(x)", "StartProgram(/usr/bin/tool, -x)",
                  "LogOffSession", "MessageBeep", "ShowMessage(07/05/2024 22:30:00\\x0D\\x0Ax)",
                  "LockDesktop", "ShellOpen(x)", "ShellOpen(x)", "ReplayMacro(/m/bare.mco, 2 lines, 2000 ms)",
                  "StandBySoon", "HibernateSoon", "PowerOffSystemForced"}));

    all.Countdown = "0";
    EXPECT_EQ(Middle(all),
              (std::vector<std::string>{
                  "OpenReminder(CloseMonitor, , , Evening, 0)", "OpenReminder(KillTask, x, , Evening, 0)",
                  "OpenReminder(OpenEXE, /usr/bin/tool, -x, Evening, 0)",
                  "OpenReminder(LogOff, , , Evening, 0)", "MessageBeep",
                  "ShowMessage(07/05/2024 22:30:00\\x0D\\x0Ax)", "OpenReminder(LockWS, , , Evening, 0)",
                  "OpenReminder(Open, x, , Evening, 0)", "OpenReminder(Openhttp, x, , Evening, 0)",
                  "OpenReminder(Macro, /m/bare.mco, , Evening, 0)", "OpenReminder(StandBy, , , Evening, 0)",
                  "OpenReminder(Hibernate, , , Evening, 0)", "OpenReminder(ShutDown, , , Evening, 0)"}));
}

TEST(PlanTaskRun, ShutDownWinsOverRebootAndKeywordsMustBeExact)
{
    struct Case {
        const char* name;
        std::string shutDown;
        std::string reboot;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"both", "Shutdown", "Reboot", {"PowerOffSystemForced"}},
        {"reboot alone", "", "Reboot", {"RestartSystemForced"}},
        // Only the exact keyword means shut down, so a damaged one lets the restart through.
        {"damaged shutdown keyword", "shutdown", "Reboot", {"RestartSystemForced"}},
        {"damaged reboot keyword", "", "reboot", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Middle(Task({{ActionKind::ShutDown, c.shutDown}, {ActionKind::Reboot, c.reboot}})),
                  c.expected);
    }
    EXPECT_EQ(Middle(Task({{ActionKind::ShutDown, "Shutdown"}, {ActionKind::Reboot, "Reboot"}}, "5")),
              std::vector<std::string>{"OpenReminder(ShutDown, , , Evening, 5)"});

    for (const auto& [kind, damaged] :
         {std::pair{ActionKind::LockComputer, "lock computer"}, std::pair{ActionKind::Standby, "Standby "},
          std::pair{ActionKind::Hibernate, "hibernate"}}) {
        SCOPED_TRACE(damaged);
        EXPECT_EQ(Middle(Task({{kind, damaged}})), std::vector<std::string>{});
    }
}

TEST(PlanTaskRun, SplitsTheProgramValueAtTheFirstBar)
{
    struct Case {
        const char* field;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"Run Program:/usr/bin/tool | -x", {"StartProgram(/usr/bin/tool, -x)"}},
        {"Run Program:/opt/a b/x | ", {"StartProgram(/opt/a b/x, )"}},
        {"Run Program:/usr/bin/tool | -a | -b", {"StartProgram(/usr/bin/tool, -a | -b)"}},
        {"Run Program:C:\\Tools\\backup.exe | /quiet", {"StartProgram(C:\\Tools\\backup.exe, /quiet)"}},
        // Without a bar there is no program, so nothing starts.
        {"Run Program:/usr/bin/tool", {}},
        // Without the prefix the whole field is the value.
        {"/usr/bin/tool | -x", {"StartProgram(/usr/bin/tool, -x)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(Middle(Task({{ActionKind::RunProgram, c.field}})), c.expected);
    }
    // Announced all the same: the reminder shows what the task holds and then starts nothing.
    EXPECT_EQ(Middle(Task({{ActionKind::RunProgram, "Run Program:/usr/bin/tool"}}, "3")),
              std::vector<std::string>{"OpenReminder(OpenEXE, , , Evening, 3)"});
}

TEST(PlanTaskRun, ADamagedCountdownWaitsForTheUser)
{
    struct Case {
        const char* countdown;
        int expected;
    };
    const Case cases[] = {{"abc", 0},         {"1O", 0},  {" ", 0},   {"-5", 0}, {"+5", 0},
                          {"99999999999", 0}, {"7.5", 0}, {" 7 ", 7}, {"007", 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.countdown);
        const std::vector<std::string> expected = {"OpenReminder(ShutDown, , , Evening, " +
                                                   std::to_string(c.expected) + ")"};
        EXPECT_EQ(Middle(Task({{ActionKind::ShutDown, "Shutdown"}}, c.countdown)), expected);
    }
}

TEST(PlanTaskRun, AnUnreadableMacroEndsTheRunButStillRebuilds)
{
    const TaskRecord task = Task({{ActionKind::MonitorOff, "monitor"},
                                  {ActionKind::OpenUrl, "Open URL:https://example.org"},
                                  {ActionKind::Macro, "Macro:/m/missing.mco"},
                                  {ActionKind::Standby, "Standby"},
                                  {ActionKind::Hibernate, "Hibernate"},
                                  {ActionKind::ShutDown, "Shutdown"}});
    const std::vector<std::string> expected = {"TurnMonitorOff", "ShellOpen(https://example.org)"};
    EXPECT_EQ(Middle(task), expected);

    // Without any way to read files the outcome is the same.
    const ExecutorPlan plan = PlanTaskRun(task, kToday, kFormat, ExecutorSettings{});
    EXPECT_EQ(Describe(plan),
              (std::vector<std::string>{"StopTick", "TurnMonitorOff", "ShellOpen(https://example.org)",
                                        "RebuildSchedule"}));
}

TEST(PlanTaskRun, HandsTheMacroLinesToTheReplay)
{
    std::vector<std::string> asked;
    ExecutorSettings settings;
    settings.loadMacro = [&asked](const std::string& file) {
        asked.push_back(file);
        return FakeMacroFiles(file);
    };
    const ExecutorPlan plan =
        PlanTaskRun(Task({{ActionKind::Macro, "Macro:/m/notes.mco"}}), kToday, kFormat, settings);
    ASSERT_EQ(plan.size(), 4u);
    EXPECT_EQ(plan[2].kind, StepKind::ReplayMacro);
    EXPECT_EQ(plan[2].lines, (std::vector<std::string>{"/usr/bin/gedit", "100 K 65", "200 U 65"}));
    EXPECT_EQ(asked, std::vector<std::string>{"/m/notes.mco"});

    // A task with a count-down leaves the file to its reminder.
    asked.clear();
    PlanTaskRun(Task({{ActionKind::Macro, "Macro:/m/notes.mco"}}, "10"), kToday, kFormat, settings);
    EXPECT_TRUE(asked.empty());
}

TEST(PlanTaskRun, DialsBeforeAnAddressOnlyWhenAutoConnectIsSet)
{
    const TaskRecord task = Task({{ActionKind::OpenUrl, "Open URL:https://example.org"}});
    EXPECT_EQ(Middle(task, false), std::vector<std::string>{"ShellOpen(https://example.org)"});
    EXPECT_EQ(Middle(task, true),
              (std::vector<std::string>{"DialConnection", "ShellOpen(https://example.org)"}));
}

TEST(PlanTaskRun, ReminderCarriesTheWholeRequest)
{
    TaskRecord task = Task({{ActionKind::RunProgram, "Run Program:/usr/bin/tool | -a 'b c'"}}, "30");
    task.Title = "Backup * nightly";
    const ExecutorPlan plan = PlanTaskRun(task, kToday, kFormat, ExecutorSettings{});
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[1].kind, StepKind::OpenReminder);
    EXPECT_EQ(plan[1].reminder,
              (ReminderRequest{ReminderEvent::OpenEXE, "/usr/bin/tool", "-a 'b c'", "Backup * nightly", 30}));
}

TEST(PlanTaskRun, ATaskWithoutActionsOnlyRestartsTheTick)
{
    EXPECT_EQ(Describe(PlanTaskRun(Task({}), kToday, kFormat, ExecutorSettings{})),
              (std::vector<std::string>{"StopTick", "RebuildSchedule"}));
}

}  // namespace
}  // namespace quorvel
