#include "core/security/ras_password.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include "case_name.h"

namespace quorvel {
namespace {

std::string PasswordOfLength(std::size_t n)
{
    // Cycles through every byte value, zero and 0xFF included.
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
        text += static_cast<char>((i * 37 + 11) % 256);
    }
    return text;
}

struct LengthCase {
    std::size_t length;
    std::size_t groups;
};

void PrintTo(const LengthCase& c, std::ostream* os)
{
    *os << "length " << c.length;
}

class RasPasswordRoundTrip : public testing::TestWithParam<LengthCase> {};

TEST_P(RasPasswordRoundTrip, DecodesToTheSamePassword)
{
    const std::string password = PasswordOfLength(GetParam().length);
    const RasPasswordResult encoded = EncodeRasPassword(password, 987654);
    ASSERT_TRUE(encoded.ok()) << encoded.error;
    EXPECT_EQ(encoded.text.size(), GetParam().groups * 5);
    EXPECT_EQ(encoded.text.find_first_not_of("0123456789"), std::string::npos);

    const RasPasswordResult decoded = DecodeRasPassword(encoded.text);
    ASSERT_TRUE(decoded.ok()) << decoded.error;
    EXPECT_EQ(decoded.text, password);
}

INSTANTIATE_TEST_SUITE_P(Lengths, RasPasswordRoundTrip,
                         testing::Values(LengthCase{0, 5}, LengthCase{1, 5}, LengthCase{9, 5},
                                         LengthCase{10, 6}, LengthCase{11, 6}, LengthCase{12, 7},
                                         LengthCase{255, 128}));

TEST(EncodeRasPassword, MatchesTheStoredForm)
{
    // "abc" is repeated to fill ten bytes: [3 a][b c][a b][c a][b c].
    EXPECT_EQ(EncodeRasPassword("abc").text, "5424654853545965434254853");
    EXPECT_EQ(EncodeRasPassword("a").text, "5424454340543405434054340");
}

TEST(EncodeRasPassword, FillsAnEmptyPasswordWithTheTickDigits)
{
    EXPECT_EQ(EncodeRasPassword("", 0).text, "4169929411294112941129411");
    EXPECT_EQ(EncodeRasPassword("", 123).text, "4195542517294112941129411");
    EXPECT_EQ(DecodeRasPassword(EncodeRasPassword("", 4294967295U).text).text, "");
}

TEST(EncodeRasPassword, SpareByteOfAnEvenLengthIsZero)
{
    const std::string encoded = EncodeRasPassword("0123456789").text;
    ASSERT_EQ(encoded.size(), 30U);
    // Last pair: the tenth character low, the spare byte high.
    EXPECT_EQ(std::stoi(encoded.substr(25)) - 29411, '9');
}

TEST(EncodeRasPassword, RefusesMoreThan255Bytes)
{
    const RasPasswordResult result = EncodeRasPassword(std::string(256, 'x'));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.text.empty());
}

struct BadCase {
    const char* name;
    std::string encoded;
    std::string message;  // empty: any message will do
};

void PrintTo(const BadCase& c, std::ostream* os)
{
    *os << c.name;
}

class DecodeRasPasswordError : public testing::TestWithParam<BadCase> {};

TEST_P(DecodeRasPasswordError, GivesAnErrorInsteadOfAText)
{
    const RasPasswordResult result = DecodeRasPassword(GetParam().encoded);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.text.empty());
    if (!GetParam().message.empty()) {
        EXPECT_EQ(result.error, GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeRasPasswordError,
    testing::Values(BadCase{"LetterInAGroup", "5424612a45", "'12a45' is not a valid integer value"},
                    BadCase{"BlankInAGroup", "54246 4853", "' 4853' is not a valid integer value"},
                    BadCase{"ShortLastGroup", "41699294112941129411294", ""},
                    BadCase{"BelowTheOffset", "2941029411294112941129411", ""},
                    BadCase{"AboveSixteenBits", "9999929411294112941129411", ""},
                    // Length byte 200 but only nine bytes follow.
                    BadCase{"LengthBeyondTheBytes", "2961129411294112941129411", ""}),
    testing_support::CaseName());

TEST(DecodeRasPassword, EmptyTextIsTheEmptyPassword)
{
    const RasPasswordResult result = DecodeRasPassword("");
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.text, "");
}

}  // namespace
}  // namespace quorvel
