#include <gtest/gtest.h>

#include <optional>

#include "case_name.h"
#include "core/time/moment_text.h"

namespace quorvel {
namespace {

struct MomentCase {
    const char* name;
    const char* text;
    std::optional<LocalMoment> moment;
};

void PrintTo(const MomentCase& c, std::ostream* out)
{
    *out << c.text;
}

class MomentTextTest : public testing::TestWithParam<MomentCase> {};

TEST_P(MomentTextTest, ReadsOnlyTheCommandLineForm)
{
    EXPECT_EQ(ParseMomentText(GetParam().text), GetParam().moment);
}

constexpr std::nullopt_t kRefused = std::nullopt;

const MomentCase kCases[] = {
    {"Seconds", "2008-03-14 12:00:00", LocalMoment{{2008, 3, 14}, {12, 0, 0}, 0}},
    {"Milliseconds", "2008-03-14 23:59:59.999", LocalMoment{{2008, 3, 14}, {23, 59, 59}, 999}},
    {"LeadingZeroMilliseconds", "2024-01-01 00:00:00.005", LocalMoment{{2024, 1, 1}, {0, 0, 0}, 5}},
    {"LeapDay", "2024-02-29 06:30:15", LocalMoment{{2024, 2, 29}, {6, 30, 15}, 0}},
    {"CommonYearLeapDay", "2023-02-29 06:30:15", kRefused},
    {"MonthThirteen", "2024-13-01 00:00:00", kRefused},
    {"DayZero", "2024-05-00 00:00:00", kRefused},
    {"Hour24", "2024-05-01 24:00:00", kRefused},
    {"Minute60", "2024-05-01 12:60:00", kRefused},
    {"LeapSecond", "2024-06-30 23:59:60", kRefused},
    {"OneDigitMonth", "2024-5-01 12:00:00", kRefused},
    {"NoSeconds", "2024-05-01 12:00", kRefused},
    {"TwoDigitMilliseconds", "2024-05-01 12:00:00.50", kRefused},
    {"FourDigitMilliseconds", "2024-05-01 12:00:00.5000", kRefused},
    {"DotWithoutDigits", "2024-05-01 12:00:00.", kRefused},
    {"LetterT", "2024-05-01T12:00:00", kRefused},
    {"TrailingBlank", "2024-05-01 12:00:00 ", kRefused},
    {"LeadingBlank", " 2024-05-01 12:00:00", kRefused},
    {"Signed", "+024-05-01 12:00:00", kRefused},
    {"Empty", "", kRefused},
    {"DateOnly", "2024-05-01", kRefused},
};

INSTANTIATE_TEST_SUITE_P(Cases, MomentTextTest, testing::ValuesIn(kCases), testing_support::CaseName{});

}  // namespace
}  // namespace quorvel
