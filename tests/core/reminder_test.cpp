#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/executor/event_action.h"
#include "core/executor/reminder_countdown.h"
#include "core/executor/reminder_texts.h"

namespace quorvel {
namespace {

// Shows which key each text was looked up with.
class KeyLookup final : public LangLookup {
public:
    std::string Str(std::string_view key, std::string_view) const override
    {
        return "<" + std::string(key) + ">";
    }
};

ReminderRequest Request(ReminderEvent event, std::string target = {}, std::string parameters = {})
{
    return ReminderRequest{event, std::move(target), std::move(parameters), "Evening", 10};
}

TEST(ReminderTexts, NameTheEventAndItsTarget)
{
    struct Case {
        ReminderEvent event;
        const char* eventLine;
    };
    const Case cases[] = {
        {ReminderEvent::CloseMonitor, "Event: Close Monitor"},
        {ReminderEvent::KillTask, "Event: Close Program T"},
        {ReminderEvent::OpenEXE, "Event: Open Program T"},
        {ReminderEvent::LogOff, "Event: Log Off"},
        {ReminderEvent::LockWS, "Event: Lock Computer"},
        {ReminderEvent::Reboot, "Event: Restart"},
        {ReminderEvent::Open, "Event: Open T"},
        {ReminderEvent::Macro, "Macro: T"},
        {ReminderEvent::Openhttp, "Event: Open T"},
        {ReminderEvent::StandBy, "Event: Stand By"},
        {ReminderEvent::Hibernate, "Event: Hibernate"},
        {ReminderEvent::ShutDown, "Event: Shut Down"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ReminderEventKeyword(c.event));
        const ReminderTexts texts = MakeReminderTexts(Request(c.event, "T"), EnglishLookup());
        EXPECT_EQ(texts.eventLine, c.eventLine);
        EXPECT_EQ(texts.titleLine, "Task Title: Evening");
        EXPECT_EQ(texts.waitNotice, "Notice! The following scheduled task waiting for confirm!");
        // Each event's own keyword is its language key.
        const ReminderTexts keyed = MakeReminderTexts(Request(c.event), KeyLookup());
        EXPECT_EQ(keyed.eventLine.substr(0, keyed.eventLine.find('>') + 1),
                  "<" + std::string(ReminderEventKeyword(c.event)) + ">");
    }
}

TEST(ReminderTexts, ShowAParameterLineOnlyForAProgramWithParameters)
{
    EXPECT_EQ(MakeReminderTexts(Request(ReminderEvent::OpenEXE, "/usr/bin/tool", "-x 'a b'"), EnglishLookup())
                  .parameterLine,
              std::optional<std::string>("Parameter: -x 'a b'"));
    EXPECT_EQ(
        MakeReminderTexts(Request(ReminderEvent::OpenEXE, "/usr/bin/tool"), EnglishLookup()).parameterLine,
        std::nullopt);
    EXPECT_EQ(MakeReminderTexts(Request(ReminderEvent::Open, "/x", "-x"), EnglishLookup()).parameterLine,
              std::nullopt);

    const ReminderTexts keyed = MakeReminderTexts(Request(ReminderEvent::OpenEXE, "p", "-x"), KeyLookup());
    EXPECT_EQ(keyed.titleLine, "<Title>Evening");
    EXPECT_EQ(keyed.parameterLine, std::optional<std::string>("<Param> -x"));
    EXPECT_EQ(keyed.waitNotice, "<Wait>");
}

TEST(ReminderCountdown, CountsDownAndActsOnTheTenthTick)
{
    ReminderCountdown count(10);
    EXPECT_TRUE(count.TimerArmed());
    EXPECT_TRUE(count.ShowsNumber());
    EXPECT_EQ(count.Remaining(), 10);
    for (int tick = 1; tick < 10; ++tick) {
        EXPECT_FALSE(count.Tick()) << "tick " << tick;
        EXPECT_EQ(count.Remaining(), 10 - tick);
    }
    EXPECT_TRUE(count.Tick());
    EXPECT_EQ(count.Remaining(), 0);
    EXPECT_TRUE(count.ShowsNumber());
    EXPECT_FALSE(count.TimerArmed());
    EXPECT_FALSE(count.Tick()) << "a tick queued before the timer stopped acts again";

    count.ActionFinished(true);
    EXPECT_TRUE(count.IsClosed());
    EXPECT_FALSE(count.Immediately());
    EXPECT_EQ(count.Countdown(), 10);
}

TEST(ReminderCountdown, ZeroOrLessWaitsForTheUser)
{
    for (const int countdown : {0, -1}) {
        ReminderCountdown count(countdown);
        EXPECT_EQ(count.CurrentState(), ReminderCountdown::State::Waiting);
        EXPECT_FALSE(count.ShowsNumber());
        for (int tick = 0; tick < 5; ++tick) {
            EXPECT_FALSE(count.Tick());
        }
        EXPECT_TRUE(count.Immediately());
    }
}

TEST(ReminderCountdown, UserChoicesStopTheCount)
{
    ReminderCountdown waiting(10);
    waiting.Tick();
    waiting.WaitAlong();
    EXPECT_FALSE(waiting.TimerArmed());
    EXPECT_FALSE(waiting.ShowsNumber());
    for (int tick = 0; tick < 20; ++tick) {
        EXPECT_FALSE(waiting.Tick());
    }
    EXPECT_FALSE(waiting.IsClosed());
    EXPECT_TRUE(waiting.Immediately());

    ReminderCountdown cancelled(10);
    cancelled.Close();
    EXPECT_TRUE(cancelled.IsClosed());
    EXPECT_FALSE(cancelled.Tick());
    EXPECT_FALSE(cancelled.Immediately());
    EXPECT_FALSE(cancelled.BeginPostpone());
    cancelled.WaitAlong();
    EXPECT_TRUE(cancelled.IsClosed());

    ReminderCountdown postponed(10);
    EXPECT_TRUE(postponed.BeginPostpone());
    EXPECT_FALSE(postponed.TimerArmed());
    EXPECT_FALSE(postponed.Tick());
}

TEST(ReminderCountdown, AnActionThatCouldNotRunLeavesTheWindowWaiting)
{
    ReminderCountdown count(10);
    ASSERT_TRUE(count.Immediately());
    count.ActionFinished(false);
    EXPECT_FALSE(count.IsClosed());
    EXPECT_FALSE(count.TimerArmed());
    EXPECT_FALSE(count.ShowsNumber());
    EXPECT_FALSE(count.Tick());
    EXPECT_TRUE(count.Immediately());
}

TEST(PlanReminderAction, CarriesOutTheAnnouncedAction)
{
    ExecutorSettings settings;
    settings.autoConnect = true;
    settings.loadMacro = [](const std::string& file) -> std::optional<std::vector<std::string>> {
        if (file == "/m/ok.mco") {
            return std::vector<std::string>{"", "10 K 65"};
        }
        return std::nullopt;
    };
    const auto describe = [&settings](const ReminderRequest& request) {
        const EventAction action = PlanReminderAction(request, settings);
        std::vector<std::string> lines;
        for (const ExecutorStep& step : action.steps) {
            lines.push_back(DescribeStep(step));
        }
        return std::pair{lines, action.carriedOut};
    };
    using Result = std::pair<std::vector<std::string>, bool>;
    EXPECT_EQ(describe(Request(ReminderEvent::KillTask, "notepad.exe")),
              (Result{{"EnableDebugPrivilege", "KillTask(notepad.exe)"}, true}));
    EXPECT_EQ(describe(Request(ReminderEvent::OpenEXE, "/usr/bin/tool", "-x")),
              (Result{{"StartProgram(/usr/bin/tool, -x)"}, true}));
    EXPECT_EQ(describe(Request(ReminderEvent::OpenEXE, "", "-x")), (Result{{}, true}));
    EXPECT_EQ(describe(Request(ReminderEvent::Openhttp, "https://example.org")),
              (Result{{"DialConnection", "ShellOpen(https://example.org)"}, true}));
    EXPECT_EQ(describe(Request(ReminderEvent::Macro, "/m/ok.mco")),
              (Result{{"ReplayMacro(/m/ok.mco, 2 lines, 2000 ms)"}, true}));
    EXPECT_EQ(describe(Request(ReminderEvent::Macro, "/m/gone.mco")), (Result{{}, false}));
    EXPECT_EQ(describe(Request(ReminderEvent::ShutDown)), (Result{{"PowerOffSystemForced"}, true}));
}

}  // namespace
}  // namespace quorvel
