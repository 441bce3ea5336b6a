#include <gtest/gtest.h>

#include <string>

#include "core/tasks/run_program.h"
#include "core/tasks/task_fields.h"
#include "core/tasks/task_line.h"

namespace quorvel {
namespace {

TEST(SplitRunProgram, DropsOneCharacterOnEachSideOfTheFirstBar)
{
    struct Case {
        const char* parameter;
        const char* program;
        const char* parameters;
    };
    const Case cases[] = {
        {"C:\\Tools\\backup.exe | /quiet", "C:\\Tools\\backup.exe", "/quiet"},
        {"C:\\a b\\x.exe | ", "C:\\a b\\x.exe", ""},
        {"/usr/bin/tool | -a | -b", "/usr/bin/tool", "-a | -b"},
        {"/usr/bin/tool |  two blanks", "/usr/bin/tool", " two blanks"},
        // Hand-made or damaged values: no crash, the one-character rule still holds.
        {"C:\\x.exe", "C:\\x.exe", ""},
        {"", "", ""},
        {"|", "", ""},
        {"| -a", "", "-a"},
        {" | ", "", ""},
        {"a|b", "", ""},
        {"ab|", "a", ""},
        {"x |", "x", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameter);
        const ProgramAndParameters split = SplitRunProgram(c.parameter);
        EXPECT_EQ(split.program, c.program);
        EXPECT_EQ(split.parameters, c.parameters);
    }
}

TEST(SplitRunProgram, ReadsTheProgramOfAStoredField)
{
    TaskRecord record;
    record.RunProgram = MakeActionField(ActionKind::RunProgram, JoinRunProgram("C:\\a b\\x.exe", ""));
    const TaskRecord parsed = ParseTaskLine(FormatTaskLine(record));
    EXPECT_EQ(parsed.RunProgram, "Run Program:C:\\a b\\x.exe | ");

    const ProgramAndParameters split = SplitRunProgram(ActionParameter(parsed.RunProgram));
    EXPECT_EQ(split.program, "C:\\a b\\x.exe");
    EXPECT_EQ(split.parameters, "");
}

TEST(JoinRunProgram, RoundTripsThroughSplit)
{
    for (const auto& [program, parameters] : {std::pair{"/opt/backup", "--quiet --to=/mnt"},
                                              std::pair{"C:\\x.exe", ""}, std::pair{"a", "b | c"}}) {
        const std::string joined = JoinRunProgram(program, parameters);
        const ProgramAndParameters split = SplitRunProgram(joined);
        EXPECT_EQ(split.program, program);
        EXPECT_EQ(split.parameters, parameters);
    }
    EXPECT_EQ(JoinRunProgram("C:\\Tools\\backup.exe", "/quiet"), "C:\\Tools\\backup.exe | /quiet");
}

}  // namespace
}  // namespace quorvel
