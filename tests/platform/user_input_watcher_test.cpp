#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <optional>
#include <vector>

#include "platform/linux/user_input_watcher.h"
#include "support/qt_test_application.h"

namespace quorvel {
namespace {

using namespace std::chrono;

enum class Happens { Nothing, UserInput, OwnWake };

struct Step {
    milliseconds after;  // time passing before it happens
    Happens what;
};

struct WatchCase {
    const char* name;
    std::vector<Step> steps;
    int reports;  // how often input is reported in all
};

void PrintTo(const WatchCase& c, std::ostream* out)
{
    *out << c.name;
}

class InputAfterResume : public testing::TestWithParam<WatchCase> {};

// The display server's idle time is the time since the last input, whether the user's or the
// reset our own waking of the display causes.
TEST_P(InputAfterResume, IsReportedOnlyForTheUsersOwnInput)
{
    EnsureQtApplication();
    milliseconds now{500000};
    milliseconds lastInput = now - minutes{10};
    UserInputWatcher watcher([&]() -> std::optional<milliseconds> { return now - lastInput; },
                             [&] { return now; }, milliseconds{5});
    int reports = 0;
    watcher.SetInputHandler([&] { ++reports; });

    watcher.Watch();
    for (const Step& step : GetParam().steps) {
        now += step.after;
        if (step.what != Happens::Nothing) {
            lastInput = now;
        }
        if (step.what == Happens::OwnWake) {
            watcher.NoteOwnActivity();
        }
        QTest::qWait(30);
    }
    EXPECT_EQ(reports, GetParam().reports);
}

const WatchCase kWatchCases[] = {
    {"NobodyThere", {{seconds{30}, Happens::Nothing}, {minutes{5}, Happens::Nothing}}, 0},
    {"UserTypes", {{seconds{10}, Happens::UserInput}, {seconds{1}, Happens::Nothing}}, 1},
    {"ReportedOnce",
     {{seconds{10}, Happens::UserInput}, {seconds{1}, Happens::UserInput}, {seconds{9}, Happens::UserInput}},
     1},
    {"OwnWakeIsNoInput", {{seconds{10}, Happens::OwnWake}, {seconds{30}, Happens::Nothing}}, 0},
    {"UserAfterOwnWake",
     {{seconds{3}, Happens::OwnWake}, {seconds{10}, Happens::UserInput}, {seconds{1}, Happens::Nothing}},
     1},
};

INSTANTIATE_TEST_SUITE_P(Cases, InputAfterResume, testing::ValuesIn(kWatchCases),
                         [](const testing::TestParamInfo<WatchCase>& c) { return c.param.name; });

TEST(InputWatcher, StopsWhereTheIdleTimeCannotBeRead)
{
    EnsureQtApplication();
    int reports = 0;
    UserInputWatcher watcher([] { return std::optional<milliseconds>(); }, [] { return milliseconds{0}; },
                             milliseconds{5});
    watcher.SetInputHandler([&] { ++reports; });
    watcher.Watch();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watcher.IsWatching(); }, 2000));
    EXPECT_EQ(reports, 0);
}

TEST(InputWatcher, OwnActivityOutsideAWatchStartsNone)
{
    EnsureQtApplication();
    UserInputWatcher watcher([] { return std::optional<milliseconds>(milliseconds{0}); },
                             [] { return milliseconds{0}; }, milliseconds{5});
    watcher.NoteOwnActivity();
    EXPECT_FALSE(watcher.IsWatching());
}

}  // namespace
}  // namespace quorvel
