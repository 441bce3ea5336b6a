#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/schedule/schedule_build.h"
#include "core/schedule/wake_moment.h"
#include "core/tasks/task_line.h"
#include "schedule_fixtures.h"

namespace quorvel {
namespace {

using testing::At;
using testing::Task;

TaskRecord PowerOnTask(std::string start, std::string repeatCode, std::string field = "Power-on")
{
    TaskRecord record = Task(std::move(start), std::move(repeatCode));
    record.ShowMessage.clear();
    record.PowerOn = std::move(field);
    return record;
}

TaskRecord Disabled(TaskRecord record)
{
    record.State = "Disabled";
    return record;
}

struct WakeCase {
    const char* name;
    std::vector<TaskRecord> tasks;
    bool pending;
    std::optional<LocalMoment> wake;
};

void PrintTo(const WakeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Wake : public ::testing::TestWithParam<WakeCase> {};

// Seen on 2024-05-14 at 10:00:30.250.
TEST_P(Wake, ArmsForTheEarliestPowerOnTaskStillToCome)
{
    const LocalMoment now = At(2024, 5, 14, 10, 0, 30, 250);
    std::vector<std::string> lines;
    for (const TaskRecord& task : GetParam().tasks) {
        lines.push_back(FormatTaskLine(task));
    }
    const ScheduleBuild build = BuildSchedule(lines, now, testing::Format24(), EnglishLookup(), "");
    EXPECT_EQ(build.powerOnPending, GetParam().pending);
    EXPECT_EQ(PowerOnPending(build.table), GetParam().pending);
    EXPECT_EQ(WakeMoment(build.table, now), GetParam().wake);
    EXPECT_EQ(build.wakeMoment, GetParam().wake);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Wake,
    ::testing::Values(
        WakeCase{"NoTasks", {}, false, std::nullopt},
        WakeCase{"NoPowerOnTask", {Task("11:00:00", "l1-EveryDay")}, false, std::nullopt},
        WakeCase{"TomorrowBeforeTheDayAfter",
                 {PowerOnTask("06:30:00", "l2-2024-5-16"), PowerOnTask("07:00:00", "l2-2024-5-15"),
                  Task("10:30:00", "l1-EveryDay")},
                 true,
                 At(2024, 5, 15, 7, 0, 0)},
        WakeCase{"LaterTodayBeforeTomorrow",
                 {PowerOnTask("07:00:00", "l1-EveryDay"), PowerOnTask("23:00:00", "l2-2024-5-14")},
                 true,
                 At(2024, 5, 14, 23, 0, 0)},
        WakeCase{"OnlyPassedOnes",
                 {PowerOnTask("07:00:00", "l2-2024-5-13"), PowerOnTask("07:00:00", "l4-2")},
                 false,
                 std::nullopt},
        WakeCase{
            "DisabledNeverWakes", {Disabled(PowerOnTask("11:00:00", "l1-EveryDay"))}, false, std::nullopt},
        WakeCase{"UndatableNeverWakes", {PowerOnTask("11:00:00", "l2-2024-2-31")}, false, std::nullopt},
        // A field that is not the keyword counts as pending but arms nothing.
        WakeCase{"FieldOtherThanTheKeyword",
                 {PowerOnTask("11:00:00", "l1-EveryDay", "power-on")},
                 true,
                 std::nullopt}),
    testing::CaseName<WakeCase>);

}  // namespace
}  // namespace quorvel
