#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/io/atomic_file.h"
#include "core/schedule/schedule_build.h"
#include "core/schedule/task_dating.h"
#include "schedule_fixtures.h"
#include "scratch_dir.h"

namespace quorvel {
namespace {

using testing::At;

constexpr const char* kDaily = "22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown";
// Short enough to be held inside a std::string itself, which moves its text when it is moved.
constexpr const char* kShort = "9*Disabled**Mon";

void ExpectRowsAsBuilt(const std::optional<ScheduleRow>& daily, const std::optional<ScheduleRow>& shortLine)
{
    ASSERT_TRUE(daily && shortLine);
    EXPECT_EQ(daily->record.Title, "Night shutdown");
    EXPECT_EQ(daily->Record().ShutDown, "Shutdown");
    EXPECT_EQ(daily->displayLine, " Waiting ---- Daily ---- 22:30:00 ---- Night shutdown");
    EXPECT_EQ(daily->repeatText, "Daily");
    EXPECT_EQ(shortLine->record.StartTime, "9");
    EXPECT_EQ(shortLine->record.WeekdayFlags[0], "");
    EXPECT_EQ(shortLine->record.Title, "Mon");
    EXPECT_EQ(shortLine->taskStatus, "Disabled");
    EXPECT_EQ(shortLine->displayLine, " Waiting ---- Unspecified ---- 9 ---- Mon");
}

// A row copied out of a build keeps its fields and texts after the build is gone.
TEST(ScheduleRowTest, CopiedRowOutlivesItsBuild)
{
    std::optional<ScheduleRow> daily;
    std::optional<ScheduleRow> shortLine;
    {
        std::optional<ScheduleBuild> build = BuildSchedule({kShort, kDaily}, At(2024, 5, 14, 10, 0, 0),
                                                           testing::Format24(), EnglishLookup(), "");
        ASSERT_EQ(build->table.Size(), 2u);
        daily = build->table.At(1);
        shortLine = build->table.At(2);
        build->taskLines.clear();
        build.reset();
    }
    ExpectRowsAsBuilt(daily, shortLine);
}

TEST(ScheduleRowTest, CopiedRowOutlivesABuildReadFromTheFile)
{
    const testing_support::ScratchDir dir;
    ASSERT_EQ(WriteFileAtomically(dir.Path() + "/task.dat", std::string(kShort) + "\r\n" + kDaily + "\r\n"),
              "");
    std::optional<ScheduleRow> daily;
    std::optional<ScheduleRow> shortLine;
    {
        std::optional<ScheduleBuild> build = BuildScheduleFromFile(dir.Path(), At(2024, 5, 14, 10, 0, 0),
                                                                   testing::Format24(), EnglishLookup(), "");
        ASSERT_EQ(build->table.Size(), 2u);
        EXPECT_EQ(build->taskLines, (std::vector<std::string>{kDaily, kShort}));
        daily = build->table.At(1);
        shortLine = build->table.At(2);
        build.reset();
    }
    ExpectRowsAsBuilt(daily, shortLine);
}

TEST(ScheduleRowTest, DatedTaskKeepsItsOwnCopyOfTheRecord)
{
    std::optional<ScheduleRow> copy;
    {
        TaskRecord task = testing::Task("12:00:00", "l1-EveryDay", "Lunch");
        const ScheduleRow row =
            DateTask(task, At(2024, 5, 14, 10, 0, 0), testing::Format24(), ScheduleTexts(EnglishLookup()));
        task.Title = "changed";
        copy = row;
    }
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->record.Title, "Lunch");
    EXPECT_EQ(copy->displayLine, " Waiting ---- Daily ---- 12:00:00 ---- Lunch");
}

}  // namespace
}  // namespace quorvel
