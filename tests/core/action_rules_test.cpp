#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/editor/action_rules.h"

namespace quorvel {
namespace {

using Boxes = std::set<ActionBox>;

// The window and platform as the rules see them: scripted answers, recorded calls.
struct FakeEditor {
    bool answerSleep = true;
    std::optional<int> rtcWake = 4;  // wakes from suspend to RAM
    int sleepQuestions = 0;
    int noWakeMessages = 0;
    std::vector<std::pair<ActionBox, bool>> tickEvents;
    std::vector<bool> availabilityEvents;
    ActionRules rules{Environment()};

    FakeEditor()
    {
        rules.onTickChanged = [this](ActionBox box, bool ticked) { tickEvents.emplace_back(box, ticked); };
        rules.onCountdownAvailabilityChanged = [this](bool available) {
            availabilityEvents.push_back(available);
        };
    }

    ActionRulesEnvironment Environment()
    {
        ActionRulesEnvironment environment;
        environment.askDeepestSleep = [this] {
            ++sleepQuestions;
            return answerSleep;
        };
        environment.tellNoWakeSupport = [this] { ++noWakeMessages; };
        environment.rtcWake = [this] { return rtcWake; };
        return environment;
    }

    Boxes Ticked() const
    {
        Boxes ticked;
        for (std::size_t i = 0; i < kActionBoxCount; ++i) {
            if (rules.IsTicked(static_cast<ActionBox>(i))) {
                ticked.insert(static_cast<ActionBox>(i));
            }
        }
        return ticked;
    }

    void TickAll(const std::vector<ActionBox>& boxes)
    {
        for (ActionBox box : boxes) {
            rules.SetTicked(box, true);
        }
    }
};

TEST(ActionRules, KeepsOneActionExceptTheMonitorBeforeAMacro)
{
    using enum ActionBox;
    struct Case {
        const char* name;
        std::vector<ActionBox> ticks;
        Boxes expected;
    };
    const Case cases[] = {
        {"restart unticks stand by", {StandBy, Restart}, {Restart}},
        {"monitor then macro stay a pair", {CloseMonitor, Macro}, {CloseMonitor, Macro}},
        {"macro then monitor leave the monitor", {Macro, CloseMonitor}, {CloseMonitor}},
        {"a third action breaks the pair", {CloseMonitor, Macro, Restart}, {Restart}},
        {"macro kept after other actions", {Restart, CloseMonitor, Macro}, {CloseMonitor, Macro}},
        {"target boxes are single too", {LaunchProgram, OpenFile, TerminateProcess}, {TerminateProcess}},
        {"lock desktop asks nothing", {LogOff, LockDesktop}, {LockDesktop}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeEditor editor;
        editor.TickAll(c.ticks);
        EXPECT_EQ(editor.Ticked(), c.expected);
        EXPECT_EQ(editor.sleepQuestions, 0);
    }
}

TEST(ActionRules, ReportsEveryChangeOnceAndIgnoresUnchangedStates)
{
    FakeEditor editor;
    editor.TickAll({ActionBox::StandBy, ActionBox::Restart});
    editor.rules.SetTicked(ActionBox::Restart, true);
    editor.rules.SetTicked(ActionBox::Hibernate, false);
    const std::vector<std::pair<ActionBox, bool>> expected = {
        {ActionBox::StandBy, true}, {ActionBox::Restart, true}, {ActionBox::StandBy, false}};
    EXPECT_EQ(editor.tickEvents, expected);

    editor.rules.SetTicked(ActionBox::Restart, false);
    EXPECT_TRUE(editor.Ticked().empty());
    EXPECT_FALSE(editor.rules.AnyTicked());
}

TEST(ActionRules, AMirroringWindowThatEchoesChangesBackChangesNothing)
{
    FakeEditor editor;
    editor.rules.onTickChanged = [&](ActionBox box, bool ticked) { editor.rules.SetTicked(box, ticked); };
    editor.TickAll({ActionBox::CloseMonitor, ActionBox::Macro, ActionBox::ShowMessage});
    EXPECT_EQ(editor.Ticked(), Boxes{ActionBox::ShowMessage});
    EXPECT_FALSE(editor.rules.CountdownAvailable());
}

TEST(ActionRules, ShutDownAnsweredOkTicksTheDeepestWakeableSleepInstead)
{
    struct Case {
        const char* name;
        std::optional<int> rtcWake;
        ActionBox expected;
    };
    const Case cases[] = {
        {"wakes from hibernation", 5, ActionBox::Hibernate},
        {"wakes even from soft-off", 6, ActionBox::Hibernate},
        {"wakes from suspend to RAM", 4, ActionBox::StandBy},
        {"wakes from the first sleep state", 2, ActionBox::StandBy},
        {"no wake at all", 0, ActionBox::StandBy},
        {"query failed", std::nullopt, ActionBox::StandBy},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeEditor editor;
        editor.rtcWake = c.rtcWake;
        editor.TickAll({ActionBox::Restart, ActionBox::ShutDown});
        EXPECT_EQ(editor.sleepQuestions, 1);
        EXPECT_EQ(editor.Ticked(), Boxes{c.expected});
    }
}

TEST(ActionRules, ShutDownAnsweredOkWhileTheSleepBoxIsTickedLeavesOnlyThatBox)
{
    // Ticking an already ticked box does nothing, yet Shut down must still go.
    FakeEditor editor;
    editor.rules.SetLoading(true);
    editor.TickAll({ActionBox::StandBy, ActionBox::ShutDown});
    editor.rules.SetLoading(false);
    editor.rules.SetTicked(ActionBox::ShutDown, false);
    editor.rules.SetTicked(ActionBox::ShutDown, true);
    EXPECT_EQ(editor.Ticked(), Boxes{ActionBox::StandBy});
}

TEST(ActionRules, ShutDownCancelledStaysAsTheOneAction)
{
    FakeEditor editor;
    editor.answerSleep = false;
    editor.TickAll({ActionBox::Hibernate, ActionBox::ShutDown});
    EXPECT_EQ(editor.sleepQuestions, 1);
    EXPECT_EQ(editor.Ticked(), Boxes{ActionBox::ShutDown});

    ActionRules withoutQuestion{ActionRulesEnvironment{}};
    withoutQuestion.SetTicked(ActionBox::ShutDown, true);
    EXPECT_TRUE(withoutQuestion.IsTicked(ActionBox::ShutDown));
}

TEST(ActionRules, ShutDownWhileLoadingOnlyTicksItself)
{
    FakeEditor editor;
    editor.rules.SetLoading(true);
    editor.TickAll({ActionBox::Restart, ActionBox::ShutDown});
    EXPECT_EQ(editor.sleepQuestions, 0);
    EXPECT_EQ(editor.Ticked(), (Boxes{ActionBox::Restart, ActionBox::ShutDown}));
}

TEST(ActionRules, PowerOnNeedsAClockThatWakesFromSleep)
{
    struct Case {
        const char* name;
        std::optional<int> rtcWake;
        bool loading;
        bool accepted;
    };
    const Case cases[] = {
        {"no wake state", 0, false, false},
        {"wakes only when already awake", 1, false, false},
        {"checked while loading too", 0, true, false},
        {"first sleep state is enough", 2, false, true},
        {"hibernation", 5, false, true},
        {"query failed counts as stand-by wake", std::nullopt, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeEditor editor;
        editor.rtcWake = c.rtcWake;
        editor.rules.SetLoading(c.loading);
        editor.rules.SetTicked(ActionBox::Restart, true);
        editor.tickEvents.clear();
        editor.rules.SetTicked(ActionBox::PowerOn, true);
        EXPECT_EQ(editor.noWakeMessages, c.accepted ? 0 : 1);
        EXPECT_EQ(editor.rules.CountdownAvailable(), !c.accepted);
        EXPECT_EQ(editor.Ticked(), c.accepted ? Boxes{ActionBox::PowerOn} : Boxes{ActionBox::Restart});
        if (!c.accepted) {
            EXPECT_TRUE(editor.tickEvents.empty()) << "a refused Power on is never shown ticked";
            EXPECT_TRUE(editor.availabilityEvents.empty());
        }
    }
}

TEST(ActionRules, ShowMessageAndPowerOnMakeTheCountdownUnavailable)
{
    FakeEditor editor;
    EXPECT_TRUE(editor.rules.CountdownAvailable());
    editor.rules.SetTicked(ActionBox::ShowMessage, true);
    EXPECT_FALSE(editor.rules.CountdownAvailable());
    // Power on takes over from Show message: the row stays unavailable throughout.
    editor.rules.SetTicked(ActionBox::PowerOn, true);
    EXPECT_EQ(editor.Ticked(), Boxes{ActionBox::PowerOn});
    EXPECT_FALSE(editor.rules.CountdownAvailable());
    editor.rules.SetTicked(ActionBox::PowerOn, false);
    EXPECT_TRUE(editor.rules.CountdownAvailable());
    editor.rules.SetTicked(ActionBox::ShowMessage, true);
    editor.rules.SetTicked(ActionBox::Restart, true);
    EXPECT_TRUE(editor.rules.CountdownAvailable());
    EXPECT_EQ(editor.availabilityEvents, (std::vector<bool>{false, true, false, true}));
}

TEST(ActionRules, OkUnticksTheActionsWhoseTargetIsEmpty)
{
    using enum ActionBox;
    struct Case {
        const char* name;
        ActionBox box;
        std::string target;
        bool staysTicked;
    };
    const Case cases[] = {
        {"initial URL counts", OpenUrl, "http://", true},
        {"emptied URL", OpenUrl, "", false},
        {"message", ShowMessage, "", false},
        {"typed message", ShowMessage, "Go to bed.", true},
        {"file", OpenFile, "", false},
        {"process", TerminateProcess, "", false},
        {"macro", Macro, "", false},
        {"program never chosen", LaunchProgram, "", false},
        {"chosen program", LaunchProgram, "/usr/bin/x | ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeEditor editor;
        ASSERT_TRUE(editor.rules.SetTarget(c.box, c.target));
        editor.TickAll({CloseMonitor, c.box});
        editor.rules.UntickEmptyTargets();
        EXPECT_EQ(editor.rules.IsTicked(c.box), c.staysTicked);
    }

    FakeEditor plain;
    plain.rules.SetTicked(Restart, true);
    plain.rules.UntickEmptyTargets();
    EXPECT_TRUE(plain.rules.IsTicked(Restart)) << "an action without a target is never empty";
}

TEST(ActionRules, TargetsRefuseWhatATaskLineCannotHold)
{
    FakeEditor editor;
    EXPECT_EQ(editor.rules.Target(ActionBox::OpenUrl), "http://");
    EXPECT_FALSE(editor.rules.SetTarget(ActionBox::ShowMessage, "5 * 3"));
    EXPECT_FALSE(editor.rules.SetTarget(ActionBox::ShowMessage, "two\nlines"));
    EXPECT_FALSE(editor.rules.SetTarget(ActionBox::Restart, "x"));
    EXPECT_FALSE(editor.rules.SetProgram("/usr/bin/calc", "2*3"));
    EXPECT_FALSE(editor.rules.PickTarget(ActionBox::OpenFile, "/tmp/a*b"));
    EXPECT_EQ(editor.rules.Target(ActionBox::ShowMessage), "");
    EXPECT_EQ(editor.rules.Target(ActionBox::Restart), "");
    EXPECT_EQ(editor.rules.LaunchProgramValue(), "");
    EXPECT_FALSE(editor.rules.AnyTicked());
}

TEST(ActionRules, LaunchProgramKeepsADisplayTextAndAProgramValue)
{
    FakeEditor editor;
    ASSERT_TRUE(editor.rules.SetProgram("/usr/bin/backup", "--quiet"));
    EXPECT_EQ(editor.rules.LaunchDisplayText(), "/usr/bin/backup --quiet");
    EXPECT_EQ(editor.rules.LaunchProgramValue(), "/usr/bin/backup | --quiet");
    EXPECT_FALSE(editor.rules.IsTicked(ActionBox::LaunchProgram));

    // A loaded value shows less its first bar and the character after it.
    struct Case {
        const char* value;
        const char* display;
    };
    const Case cases[] = {{"a | b", "a b"},     {"C:\\p.exe | a | b", "C:\\p.exe a | b"},
                          {"x | ", "x "},       {"x |", "x "},
                          {"no bar", "no bar"}, {"", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        ASSERT_TRUE(editor.rules.SetTarget(ActionBox::LaunchProgram, c.value));
        EXPECT_EQ(editor.rules.LaunchDisplayText(), c.display);
        EXPECT_EQ(editor.rules.LaunchProgramValue(), c.value);
    }
}

TEST(ActionRules, PickersTickTheirActionOnlyWhenTheyBringSomething)
{
    FakeEditor editor;
    editor.rules.SetTicked(ActionBox::Restart, true);
    EXPECT_FALSE(editor.rules.PickTarget(ActionBox::Macro, ""));
    EXPECT_FALSE(editor.rules.PickProgram("", "--x"));
    EXPECT_EQ(editor.Ticked(), Boxes{ActionBox::Restart});
    EXPECT_EQ(editor.rules.LaunchDisplayText(), "");

    EXPECT_TRUE(editor.rules.PickProgram("/usr/bin/x", ""));
    EXPECT_EQ(editor.Ticked(), Boxes{ActionBox::LaunchProgram});
    EXPECT_TRUE(editor.rules.PickTarget(ActionBox::Macro, "/home/u/a.mco"));
    EXPECT_EQ(editor.Ticked(), Boxes{ActionBox::Macro});
    EXPECT_EQ(editor.rules.Target(ActionBox::Macro), "/home/u/a.mco");
}

}  // namespace
}  // namespace quorvel
