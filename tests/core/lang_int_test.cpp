#include "core/text/lang_int.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorvel {
namespace {

TEST(ParseLangInt, ReadsDecimalAndHexadecimal)
{
    EXPECT_EQ(ParseLangInt("134"), 134);
    EXPECT_EQ(ParseLangInt("0x86"), 134);
    EXPECT_EQ(ParseLangInt("0XcC"), 204);
    EXPECT_EQ(ParseLangInt("-3"), -3);
    EXPECT_EQ(ParseLangInt("+9"), 9);
    EXPECT_EQ(ParseLangInt("0"), 0);
}

TEST(ParseLangInt, RefusesWhatIsNoWholeInt)
{
    for (const char* text : {"", "abc", "12pt", "0x", "0x-1", "+-1", "1.5", "99999999999", "0x1FFFFFFFF"}) {
        EXPECT_EQ(ParseLangInt(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace quorvel
