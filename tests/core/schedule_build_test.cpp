#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/io/atomic_file.h"
#include "core/schedule/schedule_build.h"
#include "core/schedule/schedule_listing.h"
#include "core/schedule/tray_hint.h"
#include "core/tasks/task_line.h"
#include "schedule_fixtures.h"

namespace quorvel {
namespace {

using testing::At;

class TaskFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-schedule-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    void WriteTaskFile(const std::string& contents)
    {
        ASSERT_EQ(WriteFileAtomically(m_dir + "/task.dat", contents), "");
    }

    ScheduleBuild Build(const LocalMoment& now)
    {
        return BuildScheduleFromFile(m_dir, now, testing::Format24(), EnglishLookup(),
                                     InitialLastEventText(ScheduleTexts(EnglishLookup())));
    }

    std::string m_dir;
};

TEST_F(TaskFolder, MissingOrEmptyFileGivesNoTasks)
{
    for (const bool exists : {false, true}) {
        if (exists) {
            WriteTaskFile("");
        }
        const ScheduleBuild build = Build(At(2024, 5, 14, 10, 0, 0));
        EXPECT_TRUE(build.table.Empty());
        EXPECT_TRUE(build.taskLines.empty());
        EXPECT_FALSE(build.powerOnPending);
        EXPECT_EQ(build.trayHint, "Upcoming event:None\n\rLast event:None");
        EXPECT_EQ(ScheduleListing(build.table), "");
        EXPECT_EQ(build.loadError, "");
    }
}

TEST_F(TaskFolder, UnreadableFileIsReportedNotTakenForNoTasks)
{
    // A folder where the file should be cannot be read as one, whoever runs the test.
    std::filesystem::create_directory(m_dir + "/task.dat");
    const ScheduleBuild build = Build(At(2024, 5, 14, 10, 0, 0));
    EXPECT_TRUE(build.table.Empty());
    EXPECT_NE(build.loadError, "");
}

TEST_F(TaskFolder, ReadsDatesAndListsTheFile)
{
    WriteTaskFile(
        "07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on\r\n"
        "22:30:00*Disabled*l1-EveryDay*********Shutdown*30*************Night shutdown\n"
        "03:15:00*Enabled*******Sat*Sun***************Macro:C:\\Macros\\cleanup.mco*Weekend macro\r\n"
        "12:00:00*Enabled*l4-1***********Run Program:C:\\Tools\\backup.exe | /quiet************Backup\r\n");
    // Tuesday 14 May 2024.
    const ScheduleBuild build = Build(At(2024, 5, 14, 10, 0, 0));

    EXPECT_EQ(ScheduleListing(build.table),
              "2024-5-18\tWaiting\t Waiting ---- Sat Sun ---- 03:15:00 ---- Weekend macro\n"
              "2008-3-15\tPassed\t Passed ---- Mar 15,  2008 ---- 07:00:00 ---- Power on\n"
              "2024-5-1\tPassed\t Passed ---- 1 Monthly ---- 12:00:00 ---- Backup\n"
              "\tDisabled\t Waiting ---- Daily ---- 22:30:00 ---- Night shutdown\n");
    ASSERT_EQ(build.taskLines.size(), 4u);
    EXPECT_EQ(build.taskLines[0],
              "03:15:00*Enabled*******Sat*Sun***************Macro:C:\\Macros\\cleanup.mco*Weekend macro");
    EXPECT_FALSE(build.powerOnPending);
    EXPECT_TRUE(build.keepScreenSaverOff);
    EXPECT_EQ(build.trayHint,
              "Upcoming event: Waiting - Sat Sun - 03:15:00 - Weekend macro\n\rLast event:None");
    EXPECT_EQ(build.clockWatch, (ClockWatchRecord{"14/05/2024", "10", "0"}));
}

TEST(ScheduleBuild, ScreenSaverStaysOnWhenNoMacroTaskIsToCome)
{
    TaskRecord passed = testing::Task("03:15:00", "l2-2024-5-1", "passed macro");
    passed.Macro = "Macro:x.mco";
    TaskRecord disabled = testing::Task("03:15:00", "l1-EveryDay", "disabled macro");
    disabled.Macro = "Macro:x.mco";
    disabled.State = "Disabled";
    const TaskRecord plain = testing::Task("03:15:00", "l1-EveryDay", "no macro");
    for (const TaskRecord& task : {passed, disabled, plain}) {
        const ScheduleBuild build = BuildSchedule({FormatTaskLine(task)}, At(2024, 5, 14, 10, 0, 0),
                                                  testing::Format24(), EnglishLookup(), "");
        EXPECT_FALSE(build.keepScreenSaverOff) << task.Title;
    }
}

}  // namespace
}  // namespace quorvel
