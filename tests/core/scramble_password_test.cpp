#include "core/security/scramble_password.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quorvel {
namespace {

struct ScrambleCase {
    std::string input;
    std::string expected;
};

void PrintTo(const ScrambleCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.input);
}

class ScramblePasswordTest : public testing::TestWithParam<ScrambleCase> {};

TEST_P(ScramblePasswordTest, MixesEachByteWithTheNextOne)
{
    EXPECT_EQ(ScramblePassword(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScramblePasswordTest,
    testing::Values(ScrambleCase{"abc", "ikd"}, ScrambleCase{"", ""},
                    // A single byte pairs with itself: 'a' ^ (97 % 10).
                    ScrambleCase{"a", "f"},
                    // Bytes above 127 are taken unsigned: 0xFF ^ (128 % 10), 0x80 ^ (255 % 10).
                    ScrambleCase{"\xFF\x80", "\xF7\x85"},
                    // A zero byte stays in the text instead of ending it.
                    ScrambleCase{std::string("\0\x05", 2), std::string("\x05\x05", 2)}));

TEST(ScramblePassword, KeepsTheLengthForEveryByteValue)
{
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all += static_cast<char>(i);
    }
    const std::string scrambled = ScramblePassword(all);
    ASSERT_EQ(scrambled.size(), all.size());
    // Case-sensitive: passwords differing only in case must not match.
    EXPECT_NE(ScramblePassword("Secret"), ScramblePassword("secret"));
}

}  // namespace
}  // namespace quorvel
