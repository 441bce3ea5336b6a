#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "core/schedule/calendar.h"

namespace quorvel {
namespace {

Date FromSysDays(std::chrono::sys_days days)
{
    const std::chrono::year_month_day ymd{days};
    return Date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// Short steps, within a month and across month, year and leap-day ends, against the standard
// calendar.
TEST(AddDays, StepsLikeTheStandardCalendar)
{
    using namespace std::chrono;
    const sys_days first = sys_days{year{2023} / January / 1};
    const sys_days last = sys_days{year{2025} / January / 10};
    for (sys_days day = first; day <= last; day += days{1}) {
        for (const int step : {-400, -31, -8, -1, 0, 1, 2, 6, 7, 8, 30, 31, 400}) {
            ASSERT_EQ(AddDays(FromSysDays(day), step), FromSysDays(day + days{step}))
                << DateText(FromSysDays(day)) << " + " << step;
        }
    }
}

TEST(DateText, IsYearMonthDayWithoutLeadingZeros)
{
    struct Case {
        Date date;
        const char* text;
    };
    const Case cases[] = {
        {{2008, 3, 15}, "2008-3-15"}, {{2024, 12, 31}, "2024-12-31"}, {{1, 1, 1}, "1-1-1"},
        {{999, 10, 9}, "999-10-9"},   {{9999, 12, 31}, "9999-12-31"}, {{10000, 1, 1}, "10000-1-1"},
        {{0, 1, 1}, "0-1-1"},         {{-5, 1, 1}, "-5-1-1"},         {{100, 1, 10}, "100-1-10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateText(c.date), c.text);
        std::string text = "next: ";
        AppendDateText(text, c.date);
        EXPECT_EQ(text, std::string("next: ") + c.text);
    }
}

}  // namespace
}  // namespace quorvel
