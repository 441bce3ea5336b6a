#include <gtest/gtest.h>

#include <string>

#include "core/executor/message_entry.h"

namespace quorvel {
namespace {

TEST(MessageEntry, StartsWithTheDateAndTheTasksTime)
{
    const TimeFormat format("%H:%M:%S", "%H:%M", "%A %m/%d/%Y", "%m/%d/%Y");
    EXPECT_EQ(MakeMessageEntry(Date{2024, 5, 7}, "12:00:00", "Please take a rest.", format),
              "05/07/2024 12:00:00\r\nPlease take a rest.");
}

TEST(MessageEntry, NewestStandsOnTopWithAnEmptyLineBetween)
{
    std::string shown = StackMessageEntry("", "first");
    EXPECT_EQ(shown, "first");
    shown = StackMessageEntry(shown, "second");
    EXPECT_EQ(shown, "second\r\n\r\nfirst");
    shown = StackMessageEntry(shown, "third");
    EXPECT_EQ(shown, "third\r\n\r\nsecond\r\n\r\nfirst");
}

}  // namespace
}  // namespace quorvel
