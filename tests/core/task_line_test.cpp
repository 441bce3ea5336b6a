#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "core/tasks/task_fields.h"
#include "core/tasks/task_line.h"

namespace quorvel {
namespace {

struct WorkedExample {
    const char* name;
    const char* line;
    TaskRecord expected;
};

TaskRecord Record(std::string startTime, std::string repeatCode, std::string title)
{
    TaskRecord record;
    record.StartTime = std::move(startTime);
    record.State = "Enabled";
    record.RepeatCode = std::move(repeatCode);
    record.Title = std::move(title);
    return record;
}

std::vector<WorkedExample> WorkedExamples()
{
    std::vector<WorkedExample> examples;

    TaskRecord daily = Record("22:30:00", "l1-EveryDay", "Night shutdown");
    daily.ShutDown = "Shutdown";
    daily.Countdown = "30";
    examples.push_back({"DailyShutdown",
                        "22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown",
                        daily});

    TaskRecord once = Record("07:00:00", "l2-2008-3-15", " Power on");
    once.PowerOn = "Power-on";
    examples.push_back(
        {"OncePowerOn", "07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on", once});

    TaskRecord weekly = Record("12:00:00", "", "Break");
    weekly.WeekdayFlags = {"Mon", "", "Wed", "", "Fri", "", ""};
    weekly.ShowMessage = "Show Message:Please take a rest.";
    examples.push_back(
        {"WeeklyMessage",
         "12:00:00*Enabled**Mon**Wed**Fri*******Show Message:Please take a rest.***********Break", weekly});

    TaskRecord monthly = Record("09:00:00", "l4-1", "Backup");
    monthly.RunProgram = "Run Program:C:\\Tools\\backup.exe | /quiet";
    examples.push_back(
        {"MonthlyProgram",
         "09:00:00*Enabled*l4-1***********Run Program:C:\\Tools\\backup.exe | /quiet************Backup",
         monthly});

    TaskRecord annual = Record("08:00:00", "l3-12-25", "Carols");
    annual.OpenFile = "Open File:C:\\Music\\carols.mp3";
    examples.push_back(
        {"AnnualFile",
         "08:00:00*Enabled*l3-12-25***************Open File:C:\\Music\\carols.mp3********Carols", annual});

    TaskRecord kill = Record("18:00:01", "l1-EveryDay", " Terminate Process");
    kill.Countdown = "60";
    kill.CloseProgram = "Close Program:notepad.exe";
    examples.push_back(
        {"DailyCloseProgram",
         "18:00:01*Enabled*l1-EveryDay**********60******Close Program:notepad.exe******* Terminate Process",
         kill});

    TaskRecord macro = Record("03:15:00", "", "Weekend macro");
    macro.WeekdayFlags = {"", "", "", "", "", "Sat", "Sun"};
    macro.Macro = "Macro:C:\\Macros\\cleanup.mco";
    examples.push_back(
        {"WeekendMacro",
         "03:15:00*Enabled*******Sat*Sun***************Macro:C:\\Macros\\cleanup.mco*Weekend macro", macro});
    return examples;
}

class TaskLineWorkedExample : public testing::TestWithParam<WorkedExample> {};

TEST_P(TaskLineWorkedExample, ParsesIntoItsFieldsAndFormatsBackToTheSameLine)
{
    const WorkedExample& example = GetParam();
    const TaskRecord parsed = ParseTaskLine(example.line);
    EXPECT_EQ(parsed, example.expected);
    EXPECT_EQ(FormatTaskLine(parsed), example.line);
    EXPECT_EQ(FormatTaskLine(example.expected), example.line);
}

std::string ExampleName(const testing::TestParamInfo<WorkedExample>& example)
{
    return example.param.name;
}

INSTANTIATE_TEST_SUITE_P(All, TaskLineWorkedExample, testing::ValuesIn(WorkedExamples()), ExampleName);

TEST(ParseTaskLine, LineWithoutSeparatorIsAllTitle)
{
    TaskRecord expected;
    expected.Title = "just some text: 22:30:00";
    EXPECT_EQ(ParseTaskLine("just some text: 22:30:00"), expected);
    EXPECT_EQ(ParseTaskLine(""), TaskRecord{});
}

TEST(ParseTaskLine, ShortLineFillsLeadingFieldsAndKeepsItsTailAsTitle)
{
    TaskRecord expected;
    expected.StartTime = "10:00:00";
    expected.State = "Enabled";
    expected.RepeatCode = "";
    expected.Title = "tail";
    EXPECT_EQ(ParseTaskLine("10:00:00*Enabled**tail"), expected);
}

TEST(ParseTaskLine, TitleKeepsEverySeparatorAfterTheTwentyFifth)
{
    // Fields 4 to 25 empty: 23 separators follow the repeat code.
    const std::string line = "10:00:00*Enabled*l1-EveryDay" + std::string(23, '*') + " *a* b **";
    const TaskRecord record = ParseTaskLine(line);
    EXPECT_EQ(record.Title, " *a* b **");
    EXPECT_EQ(record.RepeatCode, "l1-EveryDay");
    EXPECT_EQ(record.Macro, "");
    EXPECT_EQ(FormatTaskLine(record), line);
}

TEST(ParseTaskLine, FieldsAreNotTrimmed)
{
    const TaskRecord record = ParseTaskLine(" 10:00:00 * Enabled ");
    EXPECT_EQ(record.StartTime, " 10:00:00 ");
    EXPECT_EQ(record.State, "");
    EXPECT_EQ(record.Title, " Enabled ");
}

// The fields found by a plain byte-by-byte split, to compare the parser against.
TaskRecord SplitByteByByte(std::string_view line)
{
    TaskRecord record;
    std::size_t field = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size() && field < kTaskFieldCount; ++i) {
        if (line[i] == '*') {
            TaskFieldAt(record, field++) = std::string(line.substr(start, i - start));
            start = i + 1;
        }
    }
    // A short line keeps its tail as the title, the fields between stay empty.
    record.Title = std::string(line.substr(start));
    return record;
}

// Separators at every spacing and in every place, in lines long and short, across the blocks the
// parser reads at once.
TEST(ParseTaskLine, FindsSeparatorsWhereverTheyStand)
{
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245 + 12345;
        return seed >> 16;
    };
    for (std::size_t length = 0; length <= 300; ++length) {
        for (const unsigned density : {1u, 2u, 5u, 30u, 100u}) {
            std::string line;
            for (std::size_t i = 0; i < length; ++i) {
                line += next() % 100 < density ? '*' : static_cast<char>('a' + next() % 26);
            }
            EXPECT_EQ(ParseTaskLine(line), SplitByteByByte(line)) << line;
        }
    }
    for (std::size_t at = 0; at < 200; ++at) {
        std::string line(200, 'x');
        line[at] = '*';
        EXPECT_EQ(ParseTaskLine(line), SplitByteByByte(line)) << at;
    }
    const std::string allSeparators(130, '*');
    EXPECT_EQ(ParseTaskLine(allSeparators).Title, std::string(105, '*'));
}

TEST(FormatTaskLine, PutsEveryFieldAtItsPlaceWithTwentyFiveSeparators)
{
    TaskRecord record;
    for (std::size_t number = 1; number <= kTaskFieldCount; ++number) {
        TaskFieldAt(record, number) = "f" + std::to_string(number);
    }
    std::string expected = "f1";
    for (std::size_t number = 2; number <= kTaskFieldCount; ++number) {
        expected += "*f" + std::to_string(number);
    }
    EXPECT_EQ(FormatTaskLine(record), expected);
    EXPECT_EQ(FormatTaskLine(TaskRecord{}), std::string(25, '*'));
    EXPECT_EQ(ParseTaskLine(expected), record);
}

}  // namespace
}  // namespace quorvel
