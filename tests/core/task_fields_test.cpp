#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/tasks/task_fields.h"
#include "core/tasks/task_line.h"

namespace quorvel {
namespace {

struct ActionCase {
    ActionKind kind;
    const char* keyword;
    std::size_t fieldNumber;
};

constexpr ActionCase kActionCases[] = {
    {ActionKind::MonitorOff, "monitor", 11},      {ActionKind::ShutDown, "Shutdown", 12},
    {ActionKind::RunProgram, "Run Program:", 14}, {ActionKind::ShowMessage, "Show Message:", 15},
    {ActionKind::Reboot, "Reboot", 16},           {ActionKind::LockComputer, "Lock Computer", 17},
    {ActionKind::OpenFile, "Open File:", 18},     {ActionKind::CloseProgram, "Close Program:", 19},
    {ActionKind::OpenUrl, "Open URL:", 20},       {ActionKind::Standby, "Standby", 21},
    {ActionKind::Hibernate, "Hibernate", 22},     {ActionKind::PowerOn, "Power-on", 23},
    {ActionKind::LogOff, "logoff", 24},           {ActionKind::Macro, "Macro:", 25},
};

TEST(ActionFields, EachActionHasItsKeywordAndItsPlaceInTheLine)
{
    std::set<const std::string*> seen;
    for (const ActionCase& c : kActionCases) {
        SCOPED_TRACE(c.keyword);
        EXPECT_EQ(ActionKeyword(c.kind), c.keyword);
        EXPECT_EQ(ActionHasParameter(c.kind), std::string(c.keyword).back() == ':');

        TaskRecord record;
        ActionField(record, c.kind) = MakeActionField(c.kind, "X:\\y");
        EXPECT_EQ(&ActionField(record, c.kind), &TaskFieldAt(record, c.fieldNumber));
        const TaskRecord parsed = ParseTaskLine(FormatTaskLine(record));
        EXPECT_EQ(TaskFieldAt(parsed, c.fieldNumber),
                  ActionHasParameter(c.kind) ? std::string(c.keyword) + "X:\\y" : std::string(c.keyword));
        seen.insert(&ActionField(static_cast<const TaskRecord&>(record), c.kind));
    }
    EXPECT_EQ(seen.size(), kActionKindCount);
}

TEST(ActionFields, AllKindsStandInLineOrder)
{
    for (std::size_t i = 0; i < kAllActionKinds.size(); ++i) {
        EXPECT_EQ(kAllActionKinds[i], kActionCases[i].kind);
    }
}

TEST(ActionParameter, IsAllTextAfterTheFirstColon)
{
    struct Case {
        const char* field;
        const char* parameter;
    };
    const Case cases[] = {
        {"Open File:C:\\Music\\carols.mp3", "C:\\Music\\carols.mp3"},
        {"Open URL:http://example.org:8080/a", "http://example.org:8080/a"},
        {"Show Message:Note: tea: now", "Note: tea: now"},
        {"Macro:", ""},
        {"Shutdown", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ActionParameter(c.field), c.parameter) << c.field;
    }
}

TEST(TaskFieldAt, RejectsNumbersOutsideTheLine)
{
    TaskRecord record;
    EXPECT_THROW(TaskFieldAt(record, 0), std::out_of_range);
    EXPECT_THROW(TaskFieldAt(record, 27), std::out_of_range);
    EXPECT_EQ(&TaskFieldAt(record, 4), &record.WeekdayFlags[0]);
    EXPECT_EQ(&TaskFieldAt(record, 10), &record.WeekdayFlags[6]);
}

}  // namespace
}  // namespace quorvel
