#include <gtest/gtest.h>

#include <string>

#include "core/tasks/task_fields.h"
#include "core/tasks/task_line.h"
#include "core/tasks/task_record_view.h"

namespace quorvel {
namespace {

// Every field different, one holding the separator, so a field read from or written to the wrong
// place shows.
TaskRecord DistinctFields()
{
    TaskRecord record;
    for (std::size_t number = 1; number <= kTaskFieldCount; ++number) {
        TaskFieldAt(record, number) = "field " + std::to_string(number) + (number == 14 ? " a*b" : "");
    }
    return record;
}

TEST(TaskRecordViewTest, ViewOfARecordGivesTheSameRecordBack)
{
    const TaskRecord record = DistinctFields();
    const TaskRecordView view(record);
    EXPECT_EQ(view.ToRecord(), record);
    EXPECT_EQ(view.RunProgram, "field 14 a*b");
    EXPECT_EQ(view.WeekdayFlags[6], "field 10");
    EXPECT_EQ(view.Title, "field 26");
    EXPECT_TRUE(view == record);
}

TEST(TaskRecordViewTest, ViewOfALineHoldsTheParsedFields)
{
    const std::string line =
        "22:30:00*Enabled*l1-EveryDay*Mon********Shutdown*30*************Night *shutdown";
    const TaskRecordView view = ViewTaskLine(line);
    EXPECT_EQ(view.ToRecord(), ParseTaskLine(line));
    EXPECT_EQ(view.Title, "Night *shutdown");
    EXPECT_EQ(view.WeekdayFlags[0], "Mon");
    EXPECT_EQ(view.ShutDown, "Shutdown");
    const std::string title = view.Title;
    EXPECT_EQ(title, "Night *shutdown");
}

// A change in any one field makes the tasks differ, for both comparisons.
TEST(TaskRecordViewTest, EveryFieldTakesPartInEquality)
{
    const TaskRecord record = DistinctFields();
    for (std::size_t number = 1; number <= kTaskFieldCount; ++number) {
        TaskRecord changed = record;
        TaskFieldAt(changed, number) += "!";
        const TaskRecordView changedView(changed);
        EXPECT_FALSE(TaskRecordView(record) == changedView) << "field " << number;
        EXPECT_FALSE(changedView == record) << "field " << number;
        EXPECT_TRUE(changedView == changed) << "field " << number;
    }
}

}  // namespace
}  // namespace quorvel
