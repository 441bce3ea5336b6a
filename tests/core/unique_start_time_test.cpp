#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/tasks/unique_start_time.h"

namespace quorvel {
namespace {

const TimeFormat kTwentyFour("%H:%M:%S", "%H:%M", "%A %m/%d/%Y", "%m/%d/%Y");
const TimeFormat kTwelve("%I:%M:%S %p", "%I:%M %p", "%A %m/%d/%Y", "%m/%d/%Y");

// Task lines with just the start times that matter here.
std::vector<std::string> Lines(std::initializer_list<const char*> times)
{
    std::vector<std::string> lines;
    for (const char* time : times) {
        lines.push_back(std::string(time) + "*Enabled*l1-EveryDay" + std::string(23, '*') + "t");
    }
    return lines;
}

TEST(UniqueStartTime, MovesOnOneSecondPerClash)
{
    struct Case {
        const char* name;
        const char* time;
        std::vector<std::string> lines;
        std::optional<std::size_t> edited;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"free time stays", "18:00:00", Lines({"17:00:00", "19:00:00"}), std::nullopt, "18:00:00"},
        {"no tasks", "18:00:00", {}, std::nullopt, "18:00:00"},
        {"two taken in a row", "18:00:00", Lines({"18:00:00", "18:00:01"}), std::nullopt, "18:00:02"},
        {"taken in reverse order", "18:00:00", Lines({"18:00:01", "18:00:00"}), std::nullopt, "18:00:02"},
        {"gap is used", "18:00:00", Lines({"18:00:02", "18:00:00"}), std::nullopt, "18:00:01"},
        {"long run backwards", "08:00:00", Lines({"08:00:03", "08:00:02", "08:00:01", "08:00:00"}),
         std::nullopt, "08:00:04"},
        {"minute and hour carry", "09:59:59", Lines({"09:59:59"}), std::nullopt, "10:00:00"},
        {"wraps at midnight", "23:59:59", Lines({"23:59:59", "00:00:00"}), std::nullopt, "00:00:01"},
        {"edited task keeps its time", "18:00:00", Lines({"12:00:00", "18:00:00"}), 2, "18:00:00"},
        {"edited task moves off another", "18:00:00", Lines({"18:00:00", "18:00:05"}), 2, "18:00:01"},
        {"edited task's own time is free", "18:00:00", Lines({"18:00:00", "18:00:01", "18:00:02"}), 2,
         "18:00:01"},
        {"edited position past the end", "18:00:00", Lines({"18:00:00"}), 7, "18:00:01"},
        {"line without separator has no time", "18:00:00", {"18:00:00"}, std::nullopt, "18:00:00"},
        {"same time in another spelling", "18:00:00", Lines({"06:00:00 PM"}), std::nullopt, "18:00:01"},
        {"time text spelt differently", "18:0:0", Lines({"18:00:00"}), std::nullopt, "18:00:01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UniqueStartTime(c.time, c.lines, c.edited, kTwentyFour), c.expected);
    }
}

TEST(UniqueStartTime, WritesAMovedTimeInTheLongFormat)
{
    EXPECT_EQ(UniqueStartTime("06:00:00 PM", Lines({"06:00:00 PM", "18:00:01"}), std::nullopt, kTwelve),
              "06:00:02 PM");
    EXPECT_EQ(UniqueStartTime("11:59:59 AM", Lines({"11:59:59 AM"}), std::nullopt, kTwelve), "12:00:00 PM");
    EXPECT_EQ(UniqueStartTime("11:59:59 PM", Lines({"11:59:59 PM"}), std::nullopt, kTwelve), "12:00:00 AM");
}

TEST(UniqueStartTime, TextThatIsNoTimeComesBackUnchanged)
{
    EXPECT_EQ(UniqueStartTime("noon", Lines({"noon"}), std::nullopt, kTwentyFour), "noon");
    EXPECT_EQ(UniqueStartTime("", Lines({""}), std::nullopt, kTwentyFour), "");
}

TEST(UniqueStartTime, EndsWhenEverySecondIsTaken)
{
    std::vector<std::string> lines;
    for (int s = 0; s < 24 * 60 * 60; ++s) {
        lines.push_back(kTwentyFour.FormatLongTime({s / 3600, s / 60 % 60, s % 60}) + "*");
    }
    const std::string result = UniqueStartTime("12:00:00", lines, std::nullopt, kTwentyFour);
    EXPECT_TRUE(kTwentyFour.ParseTime(result).has_value()) << result;
}

}  // namespace
}  // namespace quorvel
