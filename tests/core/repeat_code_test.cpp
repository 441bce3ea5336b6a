#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/tasks/repeat_code.h"

namespace quorvel {
namespace {

TEST(RecurrenceKindOf, IsDecidedByTheFirstTwoCharacters)
{
    struct Case {
        const char* code;
        RecurrenceKind kind;
    };
    const Case cases[] = {
        {"", RecurrenceKind::Weekly},
        {"l1-EveryDay", RecurrenceKind::Daily},
        {"l1", RecurrenceKind::Daily},
        {"l1-anything at all", RecurrenceKind::Daily},
        {"l2-2008-3-15", RecurrenceKind::Once},
        {"l3-12-25", RecurrenceKind::Annually},
        {"l4-1", RecurrenceKind::Monthly},
        {"l5-1", RecurrenceKind::Unknown},
        {"L1-EveryDay", RecurrenceKind::Unknown},
        {"l", RecurrenceKind::Unknown},
        {" l1-EveryDay", RecurrenceKind::Unknown},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RecurrenceKindOf(c.code), c.kind) << '"' << c.code << '"';
    }
}

struct DecodeCase {
    const char* code;
    const char* yearText;
    const char* monthText;
    const char* dayText;
    std::optional<int> year;
    std::optional<int> month;
    std::optional<int> day;
};

constexpr auto kNone = std::nullopt;

TEST(DecodeRepeatCode, TakesTheDatePartsApart)
{
    const DecodeCase cases[] = {
        // Once: four characters of year after the first dash.
        {"l2-2008-3-15", "2008", "3", "15", 2008, 3, 15},
        {"l2-2024-12-31", "2024", "12", "31", 2024, 12, 31},
        {"l2-2024-05-07", "2024", "05", "07", 2024, 5, 7},
        {"l2-20081-3-15", "2008", "3", "15", 2008, 3, 15},
        {"l2-208-3-15", "208-", "3", "15", kNone, 3, 15},
        {"l2-2008-3-15-9", "2008", "3", "15-9", 2008, 3, kNone},
        {"l2-2008-3", "2008", "3", "", 2008, 3, kNone},
        {"l2-2008", "2008", "", "", 2008, kNone, kNone},
        {"l2", "", "", "", kNone, kNone, kNone},
        // Annually: month between the first two dashes, the rest is the day.
        {"l3-12-25", "", "12", "25", kNone, 12, 25},
        {"l3-2-29", "", "2", "29", kNone, 2, 29},
        {"l3-12-2-5", "", "12", "2-5", kNone, 12, kNone},
        {"l3-12", "", "12", "", kNone, 12, kNone},
        // Monthly: all after the first dash.
        {"l4-1", "", "", "1", kNone, kNone, 1},
        {"l4-31", "", "", "31", kNone, kNone, 31},
        {"l4-", "", "", "", kNone, kNone, kNone},
        // Numbers are plain digits only.
        {"l4- 5", "", "", " 5", kNone, kNone, kNone},
        {"l4-5 ", "", "", "5 ", kNone, kNone, kNone},
        {"l4-+5", "", "", "+5", kNone, kNone, kNone},
        {"l3--5-1", "", "", "5-1", kNone, kNone, kNone},
        {"l4-x", "", "", "x", kNone, kNone, kNone},
        {"l4-99999999999", "", "", "99999999999", kNone, kNone, kNone},
        // No date parts for the other kinds.
        {"l1-EveryDay", "", "", "", kNone, kNone, kNone},
        {"", "", "", "", kNone, kNone, kNone},
        {"x2-2008-3-15", "", "", "", kNone, kNone, kNone},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.code);
        const RepeatParts parts = DecodeRepeatCode(c.code);
        EXPECT_EQ(parts.kind, RecurrenceKindOf(c.code));
        EXPECT_EQ(parts.yearText, c.yearText);
        EXPECT_EQ(parts.monthText, c.monthText);
        EXPECT_EQ(parts.dayText, c.dayText);
        EXPECT_EQ(parts.year, c.year);
        EXPECT_EQ(parts.month, c.month);
        EXPECT_EQ(parts.day, c.day);
    }
}

}  // namespace
}  // namespace quorvel
