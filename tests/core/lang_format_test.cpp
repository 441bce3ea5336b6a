#include "core/text/lang_format.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvel {
namespace {

struct FormatCase {
    const char* pattern;
    std::vector<LangFormatArg> args;
    std::optional<std::string> expected;  // nothing: the text is refused
};

class FormatLangTextTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatLangTextTest, FormatsOrRefuses)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatLangText(c.pattern, c.args), c.expected) << c.pattern;
}

using Args = std::vector<LangFormatArg>;
using S = std::string;

INSTANTIATE_TEST_SUITE_P(
    Accepted, FormatLangTextTest,
    testing::Values(
        FormatCase{"No directive", {}, S("No directive")},
        FormatCase{"Unable to write to %s", Args{S("/tmp/wake.ini")}, S("Unable to write to /tmp/wake.ini")},
        FormatCase{"%d of %d", Args{3LL, 10LL}, S("3 of 10")}, FormatCase{"100%% done", {}, S("100% done")},
        FormatCase{"[%5d]", Args{42LL}, S("[   42]")}, FormatCase{"[%-5d]", Args{42LL}, S("[42   ]")},
        FormatCase{"[%05d]", Args{-42LL}, S("[-0042]")}, FormatCase{"[%+d]", Args{7LL}, S("[+7]")},
        FormatCase{"[% d]", Args{7LL}, S("[ 7]")},
        FormatCase{"[%d]", Args{-9223372036854775807LL - 1}, S("[-9223372036854775808]")},
        // Width counts characters, not bytes, so translated texts line up.
        FormatCase{"[%6s]", Args{S("Größe")}, S("[ Größe]")},
        FormatCase{"[%-6s]", Args{S("ab")}, S("[ab    ]")},
        // Arguments left over are ignored: a translation may leave one out.
        FormatCase{"Done", Args{S("x"), 1LL}, S("Done")},
        // A directive's text is inserted as is, never read as a pattern again.
        FormatCase{"%s", Args{S("%d%n%s")}, S("%d%n%s")}));

INSTANTIATE_TEST_SUITE_P(Refused, FormatLangTextTest,
                         testing::Values(FormatCase{"Wait %d secs", Args{S("ten")}, std::nullopt},
                                         FormatCase{"Name %s", Args{5LL}, std::nullopt},
                                         FormatCase{"%s and %s", Args{S("one")}, std::nullopt},
                                         FormatCase{"%n", Args{1LL}, std::nullopt},
                                         FormatCase{"%x", Args{1LL}, std::nullopt},
                                         FormatCase{"%ld", Args{1LL}, std::nullopt},
                                         FormatCase{"%.3s", Args{S("abc")}, std::nullopt},
                                         FormatCase{"%1$s", Args{S("abc")}, std::nullopt},
                                         FormatCase{"%*d", Args{5LL, 1LL}, std::nullopt},
                                         FormatCase{"trailing %", {}, std::nullopt},
                                         FormatCase{"%05s", Args{S("a")}, std::nullopt},
                                         FormatCase{"%5%", {}, std::nullopt},
                                         // A hostile width would ask for gigabytes of padding.
                                         FormatCase{"%2147483647d", Args{1LL}, std::nullopt},
                                         FormatCase{"%1025s", Args{S("a")}, std::nullopt}));

TEST(FormatLangText, AcceptsTheLargestWidth)
{
    const Args args{S("a")};
    const auto text = FormatLangText("%1024s", args);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->size(), 1024u);
}

TEST(LangFormatDirectives, ListsDirectivesInOrder)
{
    EXPECT_EQ(LangFormatDirectives("%s has %5d items, 100%%"), S("sd"));
    EXPECT_EQ(LangFormatDirectives("plain"), S(""));
    EXPECT_EQ(LangFormatDirectives("bad %x"), std::nullopt);
}

}  // namespace
}  // namespace quorvel
