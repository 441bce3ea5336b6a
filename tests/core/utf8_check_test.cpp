#include "core/text/utf8_check.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

TEST(IsValidUtf8, AcceptsWellFormedText)
{
    for (const std::string text : {"", "plain ASCII",
                                   "Gr\xC3\xB6\xC3\x9F"
                                   "e",
                                   "\xE4\xB8\xAD\xE6\x96\x87", "\xF0\x9F\x98\x80", "\xEF\xBB\xBFwith mark"}) {
        EXPECT_TRUE(IsValidUtf8(text)) << text;
    }
}

TEST(IsValidUtf8, RejectsCodePageTextAndBadForms)
{
    for (const std::string text : {
             "Gr\xF6\xDF"
             "e",                 // Windows-1252
             "\xD6\xD0\xCE\xC4",  // GBK
             "\x80",              // stray continuation byte
             "\xC0\xAF",          // overlong slash
             "\xE0\x80\xAF",      // overlong in three bytes
             "\xED\xA0\x80",      // surrogate
             "\xF4\x90\x80\x80",  // above U+10FFFF
             "\xE4\xB8",          // cut short
         }) {
        EXPECT_FALSE(IsValidUtf8(text)) << text;
    }
}

TEST(HasUtf8Bom, SeesOnlyTheLeadingMark)
{
    EXPECT_TRUE(HasUtf8Bom("\xEF\xBB\xBF[General]"));
    EXPECT_FALSE(HasUtf8Bom("[General]\xEF\xBB\xBF"));
    EXPECT_FALSE(HasUtf8Bom("\xEF\xBB"));
}

}  // namespace
}  // namespace quorvel
