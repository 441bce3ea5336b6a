#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/schedule/order_tasks.h"
#include "core/schedule/schedule_build.h"
#include "core/tasks/task_line.h"
#include "schedule_fixtures.h"

namespace quorvel {
namespace {

using testing::At;
using testing::Task;
using testing::WeeklyTask;

ScheduleBuild Build(const std::vector<TaskRecord>& tasks, const LocalMoment& now)
{
    std::vector<std::string> lines;
    for (const TaskRecord& task : tasks) {
        lines.push_back(FormatTaskLine(task));
    }
    return BuildSchedule(lines, now, testing::Format24(), EnglishLookup(), "");
}

std::vector<std::string> Titles(const ScheduleBuild& build)
{
    std::vector<std::string> titles;
    for (const ScheduleRow& row : build.table.Rows()) {
        titles.push_back(row.record.Title);
    }
    return titles;
}

TaskRecord Disabled(TaskRecord record)
{
    record.State = "Disabled";
    return record;
}

TEST(OrderTasks, TodayEveningComesBeforeTomorrowMorning)
{
    const ScheduleBuild build =
        Build({Task("08:00:00", "l1-EveryDay", "tomorrow"), Task("20:00:00", "l2-2024-5-14", "tonight")},
              At(2024, 5, 14, 10, 0, 0));
    EXPECT_EQ(Titles(build), (std::vector<std::string>{"tonight", "tomorrow"}));
    EXPECT_EQ(build.table.At(1).orderKey, 36000);
    EXPECT_EQ(build.table.At(2).orderKey, 79200);
}

TEST(OrderTasks, WaitingFirstThenPassedThenUndatedEachInItsOrder)
{
    // Seen on Tuesday 2024-05-14 at 10:00.
    const ScheduleBuild build = Build(
        {
            Disabled(Task("09:00:00", "l1-EveryDay", "disabled")),
            Task("09:00:00", "l2-2024-5-13", "passed yesterday"),
            Task("11:00:00", "l1-EveryDay", "in one hour"),
            Task("09:30:00", "l2-2024-5-14", "passed this morning"),
            Task("10:00:00", "l9-9", "unknown code"),
            WeeklyTask("07:00:00", {Weekday::Wed}, "tomorrow"),
            Task("08:00:00", "l4-2", "passed monthly"),
            WeeklyTask("07:00:00", {}, "no day"),
        },
        At(2024, 5, 14, 10, 0, 0));
    EXPECT_EQ(Titles(build), (std::vector<std::string>{"in one hour", "tomorrow", "passed monthly", "no day",
                                                       "passed yesterday", "passed this morning", "disabled",
                                                       "unknown code"}));
}

TEST(OrderTasks, EqualKeysKeepFileOrder)
{
    // An imported file may hold several tasks at the same time.
    const ScheduleBuild build = Build(
        {
            Task("12:00:00", "l1-EveryDay", "B"),
            Task("12:00:00", "l2-2024-5-1", "old 1"),
            Task("12:00:00", "l1-EveryDay", "A"),
            Task("12:00:00", "l2-2024-5-1", "old 2"),
            Task("12:00:00", "l1-EveryDay", "C"),
        },
        At(2024, 5, 14, 10, 0, 0));
    EXPECT_EQ(Titles(build), (std::vector<std::string>{"B", "A", "C", "old 1", "old 2"}));
}

TEST(OrderTasks, EveryLineIsKeptWithItsOwnRow)
{
    std::vector<std::string> lines = {
        "no separators at all",
        "",
        "*",
        "10:00:00*Enabled*l2-2024-2-30********************Power-on*** bad date",
        "25:61:00*Enabled*l1-EveryDay*********Shutdown*30*************bad time",
        "09:00:00*Enabled*l3-x-y***************Open File:C:\\a.txt********bad parts",
        "12:00:00*Enabled**Mon**Wed**Fri*******Show Message:Please take a rest.***********Break",
        "12:00:00*Enabled**Mon**Wed**Fri*******Show Message:Please take a rest.***********Break",
        "22:30:00*Disabled*l1-EveryDay*********Shutdown*30*************Night * shutdown",
        "07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on",
    };
    for (int i = 0; i < 300; ++i) {
        lines.push_back(std::to_string(i % 24) + ":00:0" + std::to_string(i % 10) + "*Enabled*l4-" +
                        std::to_string(i % 35) + "***********Run Program:x | *************task " +
                        std::to_string(i));
    }
    const ScheduleBuild build =
        BuildSchedule(lines, At(2024, 5, 14, 10, 0, 0), testing::Format24(), EnglishLookup(), "");

    ASSERT_EQ(build.taskLines.size(), lines.size());
    ASSERT_EQ(build.table.Size(), lines.size());
    for (std::size_t i = 0; i < build.taskLines.size(); ++i) {
        EXPECT_EQ(build.table.At(i + 1).record, ParseTaskLine(build.taskLines[i])) << build.taskLines[i];
    }
    std::vector<std::string> before = lines;
    std::vector<std::string> after = build.taskLines;
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(before, after);
}

struct KeyCase {
    LocalMoment occurrence;
    LocalMoment now;
    std::int64_t key;
};

class OrderKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(OrderKey, IsWholeSecondsTruncatedTowardZero)
{
    EXPECT_EQ(SecondsToOccurrence(GetParam().occurrence, GetParam().now), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrderKey,
    ::testing::Values(KeyCase{At(2024, 5, 14, 12, 0, 0), At(2024, 5, 14, 12, 0, 0), 0},
                      KeyCase{At(2024, 5, 14, 12, 0, 0), At(2024, 5, 14, 11, 59, 59, 500), 0},
                      KeyCase{At(2024, 5, 14, 12, 0, 0), At(2024, 5, 14, 12, 0, 0, 999), 0},
                      KeyCase{At(2024, 5, 14, 12, 0, 0), At(2024, 5, 14, 12, 0, 1, 500), -1},
                      KeyCase{At(2024, 5, 15, 0, 0, 0), At(2024, 5, 14, 23, 59, 59, 999), 1},
                      KeyCase{At(2024, 5, 13, 12, 0, 0), At(2024, 5, 14, 12, 0, 0), -86400},
                      KeyCase{At(2025, 3, 1, 0, 0, 0), At(2024, 3, 1, 0, 0, 0), 365 * 86400}));

}  // namespace
}  // namespace quorvel
