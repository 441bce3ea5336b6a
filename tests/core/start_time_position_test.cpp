#include <gtest/gtest.h>

#include "core/schedule/schedule_build.h"
#include "core/schedule/start_time_position.h"
#include "core/tasks/task_line.h"
#include "schedule_fixtures.h"

namespace quorvel {
namespace {

using testing::At;
using testing::Format24;

std::string Line(const char* time, const char* repeat)
{
    return FormatTaskLine(testing::Task(time, repeat));
}

// The rebuild orders by how soon a task falls due, so a task appended last may stand anywhere.
TEST(PositionOfStartTime, FindsTheTaskWhereTheRebuildPutIt)
{
    const ScheduleBuild build = BuildSchedule(
        {Line("18:00:00", "l1-EveryDay"), Line("09:00:00", "l1-EveryDay"), Line(" 12:05:01 ", "l2-2024-5-7")},
        At(2024, 5, 7, 8, 0, 0), Format24(), EnglishLookup(), "");
    const auto position = PositionOfStartTime(build.table, "12:05:01");
    ASSERT_TRUE(position.has_value());
    EXPECT_EQ(build.table.At(*position).record.StartTime, " 12:05:01 ");
    EXPECT_EQ(*position, 2u);
    EXPECT_FALSE(PositionOfStartTime(build.table, "12:05:02").has_value());
    EXPECT_FALSE(PositionOfStartTime(ScheduleTable(), "12:05:01").has_value());
}

}  // namespace
}  // namespace quorvel
