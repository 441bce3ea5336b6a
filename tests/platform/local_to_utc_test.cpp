#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/local_to_utc.h"
#include "platform/recording/utc_text.h"

namespace quorvel {
namespace {

// Sets TZ for one test and puts the old zone back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ")) {
            m_saved = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_saved) {
            setenv("TZ", m_saved->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    std::optional<std::string> m_saved;
};

struct ZoneCase {
    const char* name;
    const char* zone;
    LocalMoment local;
    const char* utc;
};

void PrintTo(const ZoneCase& c, std::ostream* out)
{
    *out << c.name;
}

class LocalWakeMoment : public testing::TestWithParam<ZoneCase> {};

// The offset in force at the wake moment counts, not the one in force when the timer is armed.
TEST_P(LocalWakeMoment, TakesTheOffsetInForceThen)
{
    const ScopedTimeZone zone(GetParam().zone);
    EXPECT_EQ(FormatUtc(LocalToUtc(GetParam().local)), GetParam().utc);
}

constexpr LocalMoment At(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0)
{
    return LocalMoment{Date{y, mo, d}, TimeOfDay{h, mi, s}, ms};
}

const ZoneCase kZoneCases[] = {
    {"BerlinWinterBeforeSpringChange", "Europe/Berlin", At(2024, 3, 30, 7, 0), "2024-03-30T06:00:00Z"},
    {"BerlinSummerAfterSpringChange", "Europe/Berlin", At(2024, 3, 31, 7, 0), "2024-03-31T05:00:00Z"},
    {"BerlinLastWinterSecond", "Europe/Berlin", At(2024, 3, 31, 1, 59, 59), "2024-03-31T00:59:59Z"},
    {"BerlinFirstSummerSecond", "Europe/Berlin", At(2024, 3, 31, 3, 0, 0), "2024-03-31T01:00:00Z"},
    // 02:30 never shows that night: read with winter time it falls an hour after the gap opens.
    {"BerlinSkippedHour", "Europe/Berlin", At(2024, 3, 31, 2, 30), "2024-03-31T01:30:00Z"},
    {"BerlinSummerBeforeAutumnChange", "Europe/Berlin", At(2024, 10, 26, 7, 0), "2024-10-26T05:00:00Z"},
    {"BerlinWinterAfterAutumnChange", "Europe/Berlin", At(2024, 10, 28, 7, 0), "2024-10-28T06:00:00Z"},
    // 02:30 shows twice: the first time the clock reaches it is still summer time.
    {"BerlinRepeatedHour", "Europe/Berlin", At(2024, 10, 27, 2, 30), "2024-10-27T00:30:00Z"},
    {"BerlinAfterRepeatedHour", "Europe/Berlin", At(2024, 10, 27, 3, 0), "2024-10-27T02:00:00Z"},
    {"MillisecondsAreDropped", "Europe/Berlin", At(2024, 6, 1, 12, 0, 0, 999), "2024-06-01T10:00:00Z"},
    {"NewYorkSummer", "America/New_York", At(2024, 7, 4, 6, 30), "2024-07-04T10:30:00Z"},
    {"SydneySummerInJanuary", "Australia/Sydney", At(2025, 1, 15, 6, 0), "2025-01-14T19:00:00Z"},
    {"Utc", "UTC", At(2024, 2, 29, 23, 59, 59), "2024-02-29T23:59:59Z"},
};

INSTANTIATE_TEST_SUITE_P(Zones, LocalWakeMoment, testing::ValuesIn(kZoneCases),
                         [](const testing::TestParamInfo<ZoneCase>& c) { return c.param.name; });

TEST(LocalWakeMoment, FollowsAChangeOfZoneWithoutARestart)
{
    const LocalMoment morning = At(2024, 1, 10, 8, 0);
    const ScopedTimeZone berlin("Europe/Berlin");
    EXPECT_EQ(FormatUtc(LocalToUtc(morning)), "2024-01-10T07:00:00Z");
    const ScopedTimeZone tokyo("Asia/Tokyo");
    EXPECT_EQ(FormatUtc(LocalToUtc(morning)), "2024-01-09T23:00:00Z");
}

}  // namespace
}  // namespace quorvel
