#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/schedule/calendar.h"
#include "core/schedule/due_positions.h"
#include "core/schedule/schedule_build.h"
#include "core/schedule/tick_check.h"
#include "core/tasks/task_line.h"
#include "schedule_fixtures.h"

namespace quorvel {
namespace {

using testing::At;
using testing::Task;

// The window's side of the tick: each firing is followed by a rebuild, as the executor does.
class TickLoop {
public:
    TickLoop(std::vector<TaskRecord> tasks, const LocalMoment& builtAt)
    {
        for (const TaskRecord& task : tasks) {
            m_lines.push_back(FormatTaskLine(task));
        }
        Rebuild(builtAt);
    }

    void Rebuild(const LocalMoment& now)
    {
        ScheduleBuild build = BuildSchedule(m_lines, now, testing::Format24(), EnglishLookup(), "");
        m_lines = std::move(build.taskLines);
        m_table = std::move(build.table);
    }

    void Tick(const LocalMoment& now)
    {
        m_tick.Begin(now, m_table);
        while (const std::optional<std::size_t> position = m_tick.Next(m_table)) {
            const std::string title = m_table.At(*position).record.Title;
            fired.push_back(title);
            if (onFire) {
                onFire(title, m_lines);
            }
            Rebuild(now);
        }
    }

    std::vector<std::string> fired;
    std::function<void(const std::string&, std::vector<std::string>&)> onFire;

private:
    std::vector<std::string> m_lines;
    ScheduleTable m_table;
    TickCheck m_tick;
};

struct TickCase {
    const char* name;
    std::vector<LocalMoment> ticks;
    std::size_t firings;
};

void PrintTo(const TickCase& c, std::ostream* os)
{
    *os << c.name;
}

class TickFiring : public ::testing::TestWithParam<TickCase> {};

TEST_P(TickFiring, FiresEachOccurrenceOnceWithinTheGap)
{
    TickLoop loop({Task("12:00:00", "l1-EveryDay", "noon")}, At(2024, 5, 14, 10, 0, 0));
    for (const LocalMoment& tick : GetParam().ticks) {
        loop.Tick(tick);
    }
    EXPECT_EQ(loop.fired.size(), GetParam().firings);
}

INSTANTIATE_TEST_SUITE_P(
    NoonTask, TickFiring,
    ::testing::Values(
        TickCase{"StartOfItsSecond", {At(2024, 5, 14, 11, 59, 59, 100), At(2024, 5, 14, 12, 0, 0, 0)}, 1},
        TickCase{"EndOfItsSecond", {At(2024, 5, 14, 11, 59, 59, 100), At(2024, 5, 14, 12, 0, 0, 999)}, 1},
        TickCase{"TickSkipsItsSecond", {At(2024, 5, 14, 11, 59, 59, 990), At(2024, 5, 14, 12, 0, 1, 5)}, 1},
        TickCase{"LateByTheWholeGap", {At(2024, 5, 14, 11, 59, 59, 500), At(2024, 5, 14, 12, 0, 4, 500)}, 1},
        TickCase{"LaterThanTheGap", {At(2024, 5, 14, 11, 59, 59, 500), At(2024, 5, 14, 12, 0, 5, 500)}, 0},
        TickCase{"MachineSlept", {At(2024, 5, 14, 11, 0, 0), At(2024, 5, 14, 12, 0, 1, 500)}, 0},
        TickCase{
            "MachineSleptUntilItsSecond", {At(2024, 5, 14, 11, 0, 0), At(2024, 5, 14, 12, 0, 0, 500)}, 1},
        TickCase{"FirstTickInItsSecond", {At(2024, 5, 14, 12, 0, 0, 300)}, 1},
        TickCase{"FirstTickAfterItsSecond", {At(2024, 5, 14, 12, 0, 1, 0)}, 0},
        // Firing at .000 rebuilds while the task is not yet reached, so it stays dated today.
        TickCase{"NeverTwice",
                 {At(2024, 5, 14, 11, 59, 59, 500), At(2024, 5, 14, 12, 0, 0, 0),
                  At(2024, 5, 14, 12, 0, 0, 600), At(2024, 5, 14, 12, 0, 1, 0), At(2024, 5, 14, 12, 0, 2, 0)},
                 1},
        TickCase{
            "ClockSetBackOverIt",
            {At(2024, 5, 14, 11, 59, 58, 0), At(2024, 5, 14, 12, 0, 0, 0), At(2024, 5, 14, 11, 59, 59, 500),
             At(2024, 5, 14, 12, 0, 0, 500), At(2024, 5, 14, 12, 0, 1, 500)},
            1}),
    testing::CaseName<TickCase>);

TEST(TickCheck, ClockSetBackAndRebuiltDoesNotRepeatWhatFired)
{
    TickLoop loop({Task("12:00:00", "l1-EveryDay", "noon"), Task("11:55:00", "l2-2024-5-14", "five to")},
                  At(2024, 5, 14, 11, 59, 0));
    loop.Tick(At(2024, 5, 14, 11, 59, 59, 500));
    loop.Tick(At(2024, 5, 14, 12, 0, 0, 200));
    // Set back ten minutes; the clock watch rebuilds and dates noon today again.
    loop.Tick(At(2024, 5, 14, 11, 50, 0, 100));
    loop.Rebuild(At(2024, 5, 14, 11, 50, 0, 200));
    loop.Tick(At(2024, 5, 14, 11, 54, 59, 100));
    loop.Tick(At(2024, 5, 14, 11, 55, 0, 100));
    loop.Tick(At(2024, 5, 14, 11, 59, 59, 100));
    loop.Tick(At(2024, 5, 14, 12, 0, 0, 100));
    loop.Tick(At(2024, 5, 14, 12, 0, 1, 100));
    EXPECT_EQ(loop.fired, (std::vector<std::string>{"noon", "five to"}));
}

TEST(TickCheck, LateTickFiresEverySkippedTaskInOrderAcrossRebuilds)
{
    TickLoop loop({Task("12:00:01", "l1-EveryDay", "second"), Task("12:00:00", "l1-EveryDay", "first"),
                   Task("12:00:03", "l1-EveryDay", "too late")},
                  At(2024, 5, 14, 10, 0, 0));
    loop.Tick(At(2024, 5, 14, 11, 59, 59, 900));
    loop.Tick(At(2024, 5, 14, 12, 0, 2, 100));
    EXPECT_EQ(loop.fired, (std::vector<std::string>{"first", "second"}));
    loop.Tick(At(2024, 5, 14, 12, 0, 3, 100));
    EXPECT_EQ(loop.fired, (std::vector<std::string>{"first", "second", "too late"}));
}

TEST(TickCheck, TaskDeletedWhileAnEarlierOneFiredIsSkipped)
{
    TickLoop loop({Task("12:00:00", "l1-EveryDay", "first"), Task("12:00:01", "l1-EveryDay", "deleted")},
                  At(2024, 5, 14, 10, 0, 0));
    loop.onFire = [](const std::string&, std::vector<std::string>& lines) {
        std::erase_if(lines, [](const std::string& line) { return line.ends_with("deleted"); });
    };
    loop.Tick(At(2024, 5, 14, 11, 59, 59, 900));
    loop.Tick(At(2024, 5, 14, 12, 0, 1, 900));
    EXPECT_EQ(loop.fired, (std::vector<std::string>{"first"}));
}

TEST(TickCheck, DuplicatedLinesEachFireOnce)
{
    TickLoop loop({Task("12:00:00", "l1-EveryDay", "twin"), Task("12:00:00", "l1-EveryDay", "twin")},
                  At(2024, 5, 14, 10, 0, 0));
    loop.Tick(At(2024, 5, 14, 11, 59, 59, 900));
    loop.Tick(At(2024, 5, 14, 12, 0, 0, 0));
    loop.Tick(At(2024, 5, 14, 12, 0, 0, 500));
    loop.Tick(At(2024, 5, 14, 12, 0, 1, 0));
    EXPECT_EQ(loop.fired, (std::vector<std::string>{"twin", "twin"}));
}

TEST(TickCheck, TasksThatCannotFireAreNeverDue)
{
    TaskRecord disabled = Task("12:00:00", "l1-EveryDay", "disabled");
    disabled.State = "Disabled";
    TickLoop loop(
        {disabled, Task("12:00:01", "l2-2024-5-13", "yesterday"), Task("12:00:02", "l4-40", "no date")},
        At(2024, 5, 14, 10, 0, 0));
    for (int second = 0; second < 4; ++second) {
        loop.Tick(At(2024, 5, 14, 12, 0, second, 100));
    }
    EXPECT_TRUE(loop.fired.empty());
}

TEST(TickCheck, MidnightTaskFiresOnTheNewDayWithoutARebuild)
{
    TickLoop loop({Task("00:00:00", "l1-EveryDay", "midnight")}, At(2024, 5, 14, 12, 0, 0));
    loop.Tick(At(2024, 5, 14, 23, 59, 59, 900));
    loop.Tick(At(2024, 5, 15, 0, 0, 0, 50));
    EXPECT_EQ(loop.fired, (std::vector<std::string>{"midnight"}));
}

struct SpanCase {
    const char* name;
    std::optional<std::int64_t> previous;
    std::int64_t now;
    std::optional<TickSpan> span;
};

class TickSpans : public ::testing::TestWithParam<SpanCase> {};

TEST_P(TickSpans, CoverTheSecondsSinceThePreviousTick)
{
    EXPECT_EQ(TickSpanFor(GetParam().previous, GetParam().now), GetParam().span);
}

INSTANTIATE_TEST_SUITE_P(Cases, TickSpans,
                         ::testing::Values(SpanCase{"FirstTick", std::nullopt, 100, TickSpan{100, 100}},
                                           SpanCase{"SameSecondAgain", 100, 100, std::nullopt},
                                           SpanCase{"NextSecond", 99, 100, TickSpan{100, 100}},
                                           SpanCase{"LongestBridgedStep", 95, 100, TickSpan{96, 100}},
                                           SpanCase{"StepTooLong", 94, 100, TickSpan{100, 100}},
                                           SpanCase{"ClockSetBack", 160, 100, TickSpan{100, 100}}),
                         testing::CaseName<SpanCase>);

TEST(DuePositions, EarliestSecondFirstThenListOrder)
{
    // The rows as an imported file could leave them: two tasks in the same second.
    const ScheduleBuild build =
        BuildSchedule({FormatTaskLine(Task("12:00:02", "l1-EveryDay", "c")),
                       FormatTaskLine(Task("12:00:01", "l1-EveryDay", "a")),
                       FormatTaskLine(Task("12:00:01", "l1-EveryDay", "b")),
                       FormatTaskLine(Task("12:00:09", "l1-EveryDay", "outside"))},
                      At(2024, 5, 14, 10, 0, 0), testing::Format24(), EnglishLookup(), "");
    const std::vector<std::size_t> due =
        DuePositions(At(2024, 5, 14, 12, 0, 0, 900), At(2024, 5, 14, 12, 0, 2, 10), build.table);
    std::vector<std::string> titles;
    for (const std::size_t position : due) {
        titles.push_back(build.table.At(position).record.Title);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(due, (std::vector<std::size_t>{1, 2, 3}));
}

}  // namespace
}  // namespace quorvel
