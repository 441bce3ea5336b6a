#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/editor/day_month_text.h"
#include "core/editor/edited_line.h"
#include "core/editor/program_value.h"

namespace quorvel {
namespace {

const TimeFormat kTwentyFour("%H:%M:%S", "%H:%M", "%A %m/%d/%Y", "%m/%d/%Y");

std::string Line(const char* time, const char* title)
{
    return std::string(time) + "*Enabled*l1-EveryDay" + std::string(23, '*') + title;
}

TEST(EditedLine, FollowsTheLoadedTaskWhereverARebuildPutIt)
{
    const std::string loaded = Line("18:00:00", "edited");
    // The rebuild moved the edited task from first to last while the editor was open.
    std::vector<std::string> lines = {Line("08:00:00", "a"), Line("18:00:01", "b"), loaded};
    EXPECT_EQ(FindEditedLine(lines, loaded), 2u);
    EXPECT_EQ(FindEditedLine(lines, std::nullopt), std::nullopt);

    struct Case {
        const char* name;
        const char* time;
        std::optional<std::string> loadedLine;
        const char* expected;
    };
    const Case cases[] = {
        {"own time stays", "18:00:00", loaded, "18:00:00"},
        {"another task's time moves on", "08:00:00", loaded, "08:00:01"},
        {"new task counts every task", "18:00:00", std::nullopt, "18:00:02"},
        {"gone task counts every task", "18:00:00", Line("18:00:00", "deleted"), "18:00:02"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UniqueStartTimeForEditor(c.time, lines, c.loadedLine, kTwentyFour), c.expected);
    }

    EXPECT_EQ(PlaceEditorLine(lines, loaded, Line("18:00:00", "saved")), 2u);
    EXPECT_EQ(lines.back(), Line("18:00:00", "saved"));
    EXPECT_EQ(lines.size(), 3u);
}

TEST(EditedLine, ASavedEditWhoseTaskIsGoneIsAddedNotLost)
{
    std::vector<std::string> lines = {Line("08:00:00", "a")};
    EXPECT_EQ(PlaceEditorLine(lines, Line("09:00:00", "deleted meanwhile"), Line("09:00:00", "kept")), 1u);
    EXPECT_EQ(PlaceEditorLine(lines, std::nullopt, Line("10:00:00", "new")), 2u);
    EXPECT_EQ(lines, (std::vector<std::string>{Line("08:00:00", "a"), Line("09:00:00", "kept"),
                                               Line("10:00:00", "new")}));
}

TEST(ProgramValue, SplitsForTheChooserAtTheFirstBar)
{
    struct Case {
        const char* display;
        const char* value;
        const char* program;
        const char* parameters;
    };
    const Case cases[] = {
        {"C:\\Tools\\a.exe -x", "C:\\Tools\\a.exe | -x", "C:\\Tools\\a.exe", "-x"},
        {"C:\\p.exe a | b", "C:\\p.exe | a | b", "C:\\p.exe", "a | b"},
        {"/usr/bin/x ", "/usr/bin/x | ", "/usr/bin/x", ""},
        {"/usr/bin/x", "/usr/bin/x", "/usr/bin/x", ""},
        {"", "stale | value", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const ProgramAndParameters split = SplitProgramValue(c.display, c.value);
        EXPECT_EQ(split.program, c.program);
        EXPECT_EQ(split.parameters, c.parameters);
    }
}

TEST(ProgramValue, TheProcessIsNamedByItsFileNameAlone)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Windows\\notepad.exe", "notepad.exe"},
        {"/usr/bin/gedit", "gedit"},
        {"/mnt/c/Win\\dir/a.exe", "a.exe"},
        {"mixed/dir\\b.exe", "b.exe"},
        {"plain.exe", "plain.exe"},
        {"/ends/in/", ""},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(ExecutableFileName(path), name) << path;
    }
}

TEST(DayMonthText, AcceptsOnlyTheNumbersTheListsOffer)
{
    for (const char* day : {"1", "9", "10", "29", "31"}) {
        EXPECT_TRUE(IsValidDayText(day)) << day;
    }
    for (const char* day : {"", "0", "32", "05", " 5", "5 ", "-1", "1a", "100", "x"}) {
        EXPECT_FALSE(IsValidDayText(day)) << day;
    }
    for (const char* month : {"1", "12"}) {
        EXPECT_TRUE(IsValidMonthText(month)) << month;
    }
    for (const char* month : {"0", "13", "01", ""}) {
        EXPECT_FALSE(IsValidMonthText(month)) << month;
    }
    EXPECT_TRUE(IsValidAnnualDate("29", "2"));
    EXPECT_TRUE(IsValidAnnualDate("31", "12"));
    EXPECT_FALSE(IsValidAnnualDate("30", "2"));
    EXPECT_FALSE(IsValidAnnualDate("31", "4"));
    EXPECT_FALSE(IsValidAnnualDate("31", "13"));
}

}  // namespace
}  // namespace quorvel
