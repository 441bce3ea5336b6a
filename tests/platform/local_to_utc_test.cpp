#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/local_to_utc.h"
#include "platform/recording/utc_text.h"

namespace quorvel {
namespace {

// Runs a test in a chosen time zone and gives the process's own back afterwards.
class LocalToUtcTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const char* tz = std::getenv("TZ")) {
            m_savedTz = tz;
        }
    }
    void TearDown() override
    {
        if (m_savedTz) {
            ::setenv("TZ", m_savedTz->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }
    static void UseZone(const char* zone)
    {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }

private:
    std::optional<std::string> m_savedTz;
};

std::string Utc(const LocalMoment& local)
{
    const auto utc = UtcOfLocalMoment(local);
    return utc ? FormatUtc(*utc) : "none";
}

LocalMoment At(int year, int month, int day, int hour, int minute, int second = 0, int millisecond = 0)
{
    return LocalMoment{Date{year, month, day}, TimeOfDay{hour, minute, second}, millisecond};
}

TEST_F(LocalToUtcTest, UsesTheOffsetInForceAtTheMomentItself)
{
    UseZone("Europe/Berlin");
    struct Case {
        LocalMoment local;
        const char* utc;
    };
    for (const Case& c : {
             Case{At(2008, 3, 15, 7, 0), "2008-03-15T06:00:00Z"},          // winter, +1
             Case{At(2024, 7, 1, 7, 0, 30, 999), "2024-07-01T05:00:30Z"},  // summer, +2; ms dropped
             Case{At(2024, 3, 31, 1, 59, 59), "2024-03-31T00:59:59Z"},     // last second before the change
             Case{At(2024, 3, 31, 3, 0), "2024-03-31T01:00:00Z"},          // first after it
             Case{At(2024, 3, 31, 2, 30), "2024-03-31T01:30:00Z"},         // skipped: 03:30 summer time
             Case{At(2024, 10, 27, 2, 30), "2024-10-27T00:30:00Z"},        // twice: the first one
             Case{At(2024, 10, 27, 3, 0), "2024-10-27T02:00:00Z"},
             Case{At(2024, 12, 31, 23, 59, 59), "2024-12-31T22:59:59Z"},
         }) {
        EXPECT_EQ(Utc(c.local), c.utc) << c.utc;
    }
}

TEST_F(LocalToUtcTest, ZoneWithoutSummerTime)
{
    UseZone("UTC");
    EXPECT_EQ(Utc(At(2024, 3, 31, 2, 30)), "2024-03-31T02:30:00Z");
    UseZone("Asia/Kolkata");
    EXPECT_EQ(Utc(At(2024, 6, 1, 5, 30)), "2024-06-01T00:00:00Z");
}

// A twice-coming hour was once resolved by whatever mktime had converted just before.
TEST_F(LocalToUtcTest, RepeatedHourDoesNotDependOnTheConversionBefore)
{
    UseZone("Europe/Berlin");
    (void)UtcOfLocalMoment(At(2024, 7, 1, 12, 0));
    const std::string afterSummer = Utc(At(2024, 10, 27, 2, 15));
    (void)UtcOfLocalMoment(At(2024, 12, 1, 12, 0));
    EXPECT_EQ(Utc(At(2024, 10, 27, 2, 15)), afterSummer);
    EXPECT_EQ(afterSummer, "2024-10-27T00:15:00Z");
}

}  // namespace
}  // namespace quorvel
