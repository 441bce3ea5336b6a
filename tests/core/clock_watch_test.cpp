#include <gtest/gtest.h>

#include "core/schedule/clock_watch.h"
#include "schedule_fixtures.h"

namespace quorvel {
namespace {

using testing::At;

struct WatchCase {
    const char* name;
    LocalMoment last;  // when the record was taken
    LocalMoment now;
    bool rebuild;
};

void PrintTo(const WatchCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClockWatch : public ::testing::TestWithParam<WatchCase> {};

TEST_P(ClockWatch, RebuildsOnDateChangeOrJumpOnly)
{
    const TimeFormat format = testing::Format24();
    const WatchCase& c = GetParam();
    const ClockWatchDecision decision = WatchClock(ClockWatchRecordAt(c.last, format), c.now, format);
    EXPECT_EQ(decision.rebuild, c.rebuild);
    if (!decision.rebuild) {
        EXPECT_EQ(decision.record, ClockWatchRecordAt(c.now, format));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClockWatch,
    ::testing::Values(
        WatchCase{"SameMinute", At(2024, 5, 14, 10, 30, 5), At(2024, 5, 14, 10, 30, 35), false},
        WatchCase{"MinuteStep", At(2024, 5, 14, 10, 30, 45), At(2024, 5, 14, 10, 31, 15), false},
        WatchCase{"HourStepFromMinute59", At(2024, 5, 14, 10, 59, 45), At(2024, 5, 14, 11, 0, 15), false},
        WatchCase{"FirstHourOfTheDay", At(2024, 5, 14, 0, 5, 45), At(2024, 5, 14, 0, 6, 15), false},
        WatchCase{"IntoTheSecondHour", At(2024, 5, 14, 0, 59, 45), At(2024, 5, 14, 1, 0, 15), false},
        WatchCase{"TwoMinutesOverTheHour", At(2024, 5, 14, 10, 58, 45), At(2024, 5, 14, 11, 0, 15), true},
        WatchCase{"SetBackTenMinutes", At(2024, 5, 14, 10, 40, 0), At(2024, 5, 14, 10, 30, 0), true},
        WatchCase{"SetBackOneMinute", At(2024, 5, 14, 10, 31, 0), At(2024, 5, 14, 10, 30, 0), true},
        WatchCase{"SetBackAnHour", At(2024, 5, 14, 10, 30, 0), At(2024, 5, 14, 9, 30, 0), true},
        WatchCase{"SetOnTwoMinutes", At(2024, 5, 14, 10, 30, 0), At(2024, 5, 14, 10, 32, 0), true},
        WatchCase{"JumpIntoTheNextHour", At(2024, 5, 14, 10, 30, 0), At(2024, 5, 14, 11, 45, 0), true},
        WatchCase{"JumpTwoHours", At(2024, 5, 14, 10, 30, 0), At(2024, 5, 14, 12, 30, 0), true},
        // Compared as text exactly as recorded: one hour on to the minute reads like a normal step.
        WatchCase{"OneHourOnToTheMinute", At(2024, 5, 14, 10, 30, 0), At(2024, 5, 14, 11, 30, 0), false},
        WatchCase{"Midnight", At(2024, 5, 14, 23, 59, 45), At(2024, 5, 15, 0, 0, 15), true},
        WatchCase{"SameTimeOtherDate", At(2024, 5, 14, 10, 30, 0), At(2024, 5, 21, 10, 30, 0), true}),
    testing::CaseName<WatchCase>);

TEST(ClockWatchRecord, HoldsTheShortDateAndUnpaddedHourAndMinute)
{
    EXPECT_EQ(ClockWatchRecordAt(At(2024, 5, 4, 9, 5, 0), testing::Format24()),
              (ClockWatchRecord{"04/05/2024", "9", "5"}));
    EXPECT_EQ(ClockWatchRecordAt(At(2024, 5, 4, 21, 5, 0), testing::Format12()),
              (ClockWatchRecord{"05/04/2024", "21", "5"}));
}

TEST(ClockWatchRecord, ARecordThatIsNoClockReadingForcesARebuild)
{
    const TimeFormat format = testing::Format24();
    EXPECT_TRUE(WatchClock(ClockWatchRecord{}, At(2024, 5, 4, 9, 5, 0), format).rebuild);
}

}  // namespace
}  // namespace quorvel
