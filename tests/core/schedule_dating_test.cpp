#include <gtest/gtest.h>

#include <string>

#include "core/schedule/schedule_texts.h"
#include "core/schedule/task_dating.h"
#include "schedule_fixtures.h"

namespace quorvel {
namespace {

using testing::At;
using testing::Task;
using testing::WeeklyTask;

struct DatingCase {
    const char* name;
    TaskRecord task;
    LocalMoment now;
    std::string nextDate;  // empty: no NextDate
    std::string status;
};

void PrintTo(const DatingCase& c, std::ostream* os)
{
    *os << c.name;
}

class Dating : public ::testing::TestWithParam<DatingCase> {};

TEST_P(Dating, GivesNextDateAndStatus)
{
    const DatingCase& c = GetParam();
    const ScheduleRow row = DateTask(c.task, c.now, testing::Format24(), ScheduleTexts(EnglishLookup()));
    EXPECT_EQ(row.nextDate, c.nextDate);
    EXPECT_EQ(row.occurrence.has_value(), !c.nextDate.empty());
    EXPECT_EQ(row.taskStatus, c.status);
}

TaskRecord WithState(TaskRecord record, std::string state)
{
    record.State = std::move(state);
    return record;
}

// 2024-05-13 is a Monday, 2024-05-14 a Tuesday.
INSTANTIATE_TEST_SUITE_P(Daily, Dating,
                         ::testing::Values(DatingCase{"BeforeItsTime", Task("23:00:00", "l1-EveryDay"),
                                                      At(2024, 5, 14, 22, 59, 0), "2024-5-14", "Waiting"},
                                           DatingCase{"AfterItsTime", Task("23:00:00", "l1-EveryDay"),
                                                      At(2024, 5, 14, 23, 1, 0), "2024-5-15", "Waiting"},
                                           DatingCase{"ExactlyAtItsTime", Task("23:00:00", "l1-EveryDay"),
                                                      At(2024, 5, 14, 23, 0, 0, 0), "2024-5-14", "Waiting"},
                                           DatingCase{"OneMillisecondAfter", Task("23:00:00", "l1-EveryDay"),
                                                      At(2024, 5, 14, 23, 0, 0, 1), "2024-5-15", "Waiting"},
                                           DatingCase{"IntoTheNextYear", Task("08:00:00", "l1-EveryDay"),
                                                      At(2024, 12, 31, 9, 0, 0), "2025-1-1", "Waiting"},
                                           DatingCase{"LeapDayNext", Task("08:00:00", "l1-EveryDay"),
                                                      At(2024, 2, 28, 9, 0, 0), "2024-2-29", "Waiting"},
                                           DatingCase{"NoLeapDayInCommonYear",
                                                      Task("08:00:00", "l1-EveryDay"),
                                                      At(2023, 2, 28, 9, 0, 0), "2023-3-1", "Waiting"},
                                           DatingCase{"RestOfCodeNeverRead", Task("08:00:00", "l1-whatever"),
                                                      At(2024, 5, 14, 7, 0, 0), "2024-5-14", "Waiting"}),
                         testing::CaseName<DatingCase>);

INSTANTIATE_TEST_SUITE_P(Once, Dating,
                         ::testing::Values(DatingCase{"Yesterday", Task("10:00:00", "l2-2024-5-13"),
                                                      At(2024, 5, 14, 9, 0, 0), "2024-5-13", "Passed"},
                                           DatingCase{"TodayLater", Task("10:00:00", "l2-2024-5-14"),
                                                      At(2024, 5, 14, 9, 0, 0), "2024-5-14", "Waiting"},
                                           DatingCase{"TodayGoneBy", Task("10:00:00", "l2-2024-5-14"),
                                                      At(2024, 5, 14, 10, 0, 0, 1), "2024-5-14", "Passed"},
                                           DatingCase{"TodayExactly", Task("10:00:00", "l2-2024-5-14"),
                                                      At(2024, 5, 14, 10, 0, 0, 0), "2024-5-14", "Waiting"},
                                           DatingCase{"NextYear", Task("10:00:00", "l2-2025-1-1"),
                                                      At(2024, 12, 31, 23, 0, 0), "2025-1-1", "Waiting"}),
                         testing::CaseName<DatingCase>);

INSTANTIATE_TEST_SUITE_P(
    Monthly, Dating,
    ::testing::Values(DatingCase{"DayGoneByThisMonth", Task("09:00:00", "l4-10"), At(2024, 5, 12, 8, 0, 0),
                                 "2024-5-10", "Passed"},
                      DatingCase{"FirstOfNextMonth", Task("09:00:00", "l4-10"), At(2024, 6, 1, 8, 0, 0),
                                 "2024-6-10", "Waiting"},
                      DatingCase{"OnItsDayBefore", Task("09:00:00", "l4-10"), At(2024, 5, 10, 8, 0, 0),
                                 "2024-5-10", "Waiting"},
                      DatingCase{"OnItsDayAfter", Task("09:00:00", "l4-10"), At(2024, 5, 10, 9, 30, 0),
                                 "2024-6-10", "Waiting"},
                      DatingCase{"Day31AfterItsTimeInJanuary", Task("09:00:00", "l4-31"),
                                 At(2023, 1, 31, 10, 0, 0), "2023-2-28", "Waiting"},
                      DatingCase{"Day31AfterItsTimeInJanuaryOfLeapYear", Task("09:00:00", "l4-31"),
                                 At(2024, 1, 31, 10, 0, 0), "2024-2-29", "Waiting"},
                      DatingCase{"Day31InAThirtyDayMonth", Task("09:00:00", "l4-31"),
                                 At(2024, 4, 15, 10, 0, 0), "2024-4-30", "Waiting"},
                      DatingCase{"Day31OnTheLastOfAThirtyDayMonthAfter", Task("09:00:00", "l4-31"),
                                 At(2024, 4, 30, 10, 0, 0), "2024-5-31", "Waiting"},
                      DatingCase{"Day30InFebruaryGoneBy", Task("09:00:00", "l4-30"),
                                 At(2023, 2, 28, 10, 0, 0), "2023-3-30", "Waiting"},
                      DatingCase{"AfterItsTimeInDecember", Task("09:00:00", "l4-31"),
                                 At(2024, 12, 31, 10, 0, 0), "2025-1-31", "Waiting"}),
    testing::CaseName<DatingCase>);

INSTANTIATE_TEST_SUITE_P(
    Annually, Dating,
    ::testing::Values(DatingCase{"NewYearSeenOnTheSecond", Task("08:00:00", "l3-1-1"),
                                 At(2024, 1, 2, 7, 0, 0), "2025-1-1", "Waiting"},
                      DatingCase{"OnItsDayBefore", Task("08:00:00", "l3-12-25"), At(2024, 12, 25, 7, 0, 0),
                                 "2024-12-25", "Waiting"},
                      DatingCase{"OnItsDayAfter", Task("08:00:00", "l3-12-25"), At(2024, 12, 25, 9, 0, 0),
                                 "2025-12-25", "Waiting"},
                      DatingCase{"LaterThisYear", Task("08:00:00", "l3-12-25"), At(2024, 5, 14, 9, 0, 0),
                                 "2024-12-25", "Waiting"},
                      DatingCase{"LeapDayInLeapYear", Task("08:00:00", "l3-2-29"), At(2024, 2, 10, 9, 0, 0),
                                 "2024-2-29", "Waiting"},
                      DatingCase{"LeapDayFallsOn28thInCommonYear", Task("08:00:00", "l3-2-29"),
                                 At(2023, 2, 10, 9, 0, 0), "2023-2-28", "Waiting"},
                      DatingCase{"LeapDayAfterItsTimeOn28th", Task("08:00:00", "l3-2-29"),
                                 At(2023, 2, 28, 9, 0, 0), "2024-2-29", "Waiting"},
                      DatingCase{"LeapDayAfterItsTimeOn29th", Task("08:00:00", "l3-2-29"),
                                 At(2024, 2, 29, 9, 0, 0), "2025-2-28", "Waiting"},
                      DatingCase{"LeapDaySeenInMarch", Task("08:00:00", "l3-2-29"), At(2023, 3, 1, 9, 0, 0),
                                 "2024-2-29", "Waiting"},
                      DatingCase{"DayAprilLacksFallsOnItsLastDay", Task("10:00:00", "l3-4-31"),
                                 At(2024, 5, 14, 9, 0, 0), "2025-4-30", "Waiting"},
                      DatingCase{"DayAprilLacksOnItsLastDayAfterItsTime", Task("10:00:00", "l3-4-31"),
                                 At(2024, 4, 30, 11, 0, 0), "2025-4-30", "Waiting"},
                      DatingCase{"DayFebruaryLacksInLeapYear", Task("10:00:00", "l3-2-30"),
                                 At(2024, 1, 10, 9, 0, 0), "2024-2-29", "Waiting"},
                      DatingCase{"DayFebruaryLacksInCommonYear", Task("10:00:00", "l3-2-31"),
                                 At(2023, 1, 10, 9, 0, 0), "2023-2-28", "Waiting"}),
    testing::CaseName<DatingCase>);

// 2024-05-13 is a Monday.
INSTANTIATE_TEST_SUITE_P(
    Weekly, Dating,
    ::testing::Values(DatingCase{"OnItsDayBefore", WeeklyTask("12:00:00", {Weekday::Mon}),
                                 At(2024, 5, 13, 11, 0, 0), "2024-5-13", "Waiting"},
                      DatingCase{"OnItsDayAfter", WeeklyTask("12:00:00", {Weekday::Mon}),
                                 At(2024, 5, 13, 12, 0, 0, 1), "2024-5-20", "Waiting"},
                      // Not yet reached to the millisecond: still today, so the tick of this second fires it.
                      DatingCase{"OnItsDayExactlyAtIt", WeeklyTask("12:00:00", {Weekday::Mon}),
                                 At(2024, 5, 13, 12, 0, 0, 0), "2024-5-13", "Waiting"},
                      DatingCase{"ExactlyAtItWithOtherDays",
                                 WeeklyTask("12:00:00", {Weekday::Mon, Weekday::Wed}),
                                 At(2024, 5, 13, 12, 0, 0, 0), "2024-5-13", "Waiting"},
                      DatingCase{"NextFlaggedDay",
                                 WeeklyTask("12:00:00", {Weekday::Mon, Weekday::Wed, Weekday::Fri}),
                                 At(2024, 5, 13, 13, 0, 0), "2024-5-15", "Waiting"},
                      DatingCase{"WeekendSeenOnFriday", WeeklyTask("03:15:00", {Weekday::Sat, Weekday::Sun}),
                                 At(2024, 5, 17, 9, 0, 0), "2024-5-18", "Waiting"},
                      DatingCase{"SundayAfterItsTime", WeeklyTask("03:15:00", {Weekday::Sun}),
                                 At(2024, 5, 19, 9, 0, 0), "2024-5-26", "Waiting"},
                      DatingCase{"AcrossTheMonthEnd", WeeklyTask("03:15:00", {Weekday::Mon}),
                                 At(2024, 5, 28, 9, 0, 0), "2024-6-3", "Waiting"},
                      DatingCase{"NoDaySetIsYesterday", WeeklyTask("12:00:00", {}), At(2024, 5, 1, 9, 0, 0),
                                 "2024-4-30", "Passed"}),
    testing::CaseName<DatingCase>);

// Each of these is still listed (see the ordering tests); none can fire.
INSTANTIATE_TEST_SUITE_P(
    NotDated, Dating,
    ::testing::Values(
        DatingCase{"Disabled", WithState(Task("10:00:00", "l1-EveryDay"), "Disabled"),
                   At(2024, 5, 14, 9, 0, 0), "", "Disabled"},
        DatingCase{"StateOtherThanEnabled", WithState(Task("10:00:00", "l1-EveryDay"), "enabled"),
                   At(2024, 5, 14, 9, 0, 0), "", "enabled"},
        DatingCase{"OnceNoSuchDay", Task("10:00:00", "l2-2023-2-29"), At(2024, 5, 14, 9, 0, 0), "", "Passed"},
        DatingCase{"OnceMonthThirteen", Task("10:00:00", "l2-2024-13-1"), At(2024, 5, 14, 9, 0, 0), "",
                   "Passed"},
        DatingCase{"OnceYearNotANumber", Task("10:00:00", "l2-20x4-5-1"), At(2024, 5, 14, 9, 0, 0), "",
                   "Passed"},
        DatingCase{"OnceNoParts", Task("10:00:00", "l2"), At(2024, 5, 14, 9, 0, 0), "", "Passed"},
        DatingCase{"MonthlyDayZero", Task("10:00:00", "l4-0"), At(2024, 5, 14, 9, 0, 0), "", "Passed"},
        DatingCase{"MonthlyDay32", Task("10:00:00", "l4-32"), At(2024, 5, 14, 9, 0, 0), "", "Passed"},
        DatingCase{"MonthlyDayNotANumber", Task("10:00:00", "l4-x"), At(2024, 5, 14, 9, 0, 0), "", "Passed"},
        DatingCase{"AnnuallyDay32", Task("10:00:00", "l3-4-32"), At(2024, 5, 14, 9, 0, 0), "", "Passed"},
        DatingCase{"AnnuallyMonthZero", Task("10:00:00", "l3-0-1"), At(2024, 5, 14, 9, 0, 0), "", "Passed"},
        DatingCase{"UnknownCode", Task("10:00:00", "l9-1"), At(2024, 5, 14, 9, 0, 0), "", "Passed"},
        DatingCase{"UnreadableTime", Task("soon", "l1-EveryDay"), At(2024, 5, 14, 9, 0, 0), "", "Passed"}),
    testing::CaseName<DatingCase>);

// Core works on wall-clock values, so the days of a clock change date like any other. 2024-03-31
// and 2024-10-27 are the European change days.
INSTANTIATE_TEST_SUITE_P(
    DaylightSavingChangeDay, Dating,
    ::testing::Values(DatingCase{"SkippedHourStillToday", Task("02:30:00", "l1-EveryDay"),
                                 At(2024, 3, 31, 1, 30, 0), "2024-3-31", "Waiting"},
                      DatingCase{"AfterTheSkippedHour", Task("02:30:00", "l1-EveryDay"),
                                 At(2024, 3, 31, 3, 0, 0), "2024-4-1", "Waiting"},
                      DatingCase{"WeeklyOnTheChangeDay", WeeklyTask("02:30:00", {Weekday::Sun}),
                                 At(2024, 10, 27, 2, 45, 0), "2024-11-3", "Waiting"},
                      DatingCase{"OnceOnTheChangeDay", Task("02:30:00", "l2-2024-10-27"),
                                 At(2024, 10, 26, 23, 0, 0), "2024-10-27", "Waiting"}),
    testing::CaseName<DatingCase>);

TEST(DatingInTwelveHourFormat, ReadsTheStoredTimeWithTheUsersFormat)
{
    const ScheduleTexts texts{EnglishLookup()};
    const TimeFormat format = testing::Format12();
    const TaskRecord evening = Task("08:00:00 PM", "l1-EveryDay");

    const ScheduleRow before = DateTask(evening, At(2024, 5, 14, 19, 0, 0), format, texts);
    EXPECT_EQ(before.nextDate, "2024-5-14");
    ASSERT_TRUE(before.occurrence);
    EXPECT_EQ(before.occurrence->time, (TimeOfDay{20, 0, 0}));

    const ScheduleRow after = DateTask(evening, At(2024, 5, 14, 21, 0, 0), format, texts);
    EXPECT_EQ(after.nextDate, "2024-5-15");
}

TEST(DatingKey, CountsWholeSecondsFromTheRebuildMoment)
{
    const ScheduleTexts texts{EnglishLookup()};
    // Across the spring-forward night the key is still plain wall-clock arithmetic.
    const ScheduleRow row =
        DateTask(Task("02:30:00", "l1-EveryDay"), At(2024, 3, 31, 1, 30, 0, 500), testing::Format24(), texts);
    EXPECT_EQ(row.orderKey, 3599);
}

}  // namespace
}  // namespace quorvel
