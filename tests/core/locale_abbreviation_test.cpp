#include "core/text/locale_abbreviation.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

struct AbbreviationCase {
    const char* locale;
    const char* expected;
};

class WindowsLanguageAbbreviationTest : public testing::TestWithParam<AbbreviationCase> {};

TEST_P(WindowsLanguageAbbreviationTest, MapsLocaleNameToAbbreviation)
{
    EXPECT_EQ(WindowsLanguageAbbreviation(GetParam().locale), GetParam().expected) << GetParam().locale;
}

INSTANTIATE_TEST_SUITE_P(
    Table, WindowsLanguageAbbreviationTest,
    testing::Values(AbbreviationCase{"fr_FR.UTF-8", "FRA"}, AbbreviationCase{"fr_CA.UTF-8", "FRC"},
                    AbbreviationCase{"de_DE@euro", "DEU"}, AbbreviationCase{"de_AT.ISO-8859-1", "DEA"},
                    AbbreviationCase{"es_ES.UTF-8", "ESN"}, AbbreviationCase{"es_MX", "ESM"},
                    AbbreviationCase{"pt_PT", "PTG"}, AbbreviationCase{"pt_BR.UTF-8", "PTB"},
                    AbbreviationCase{"zh_CN.GB18030", "CHS"}, AbbreviationCase{"zh_TW.Big5", "CHT"},
                    AbbreviationCase{"ja_JP.eucJP", "JPN"}, AbbreviationCase{"en_US.UTF-8", "ENU"},
                    AbbreviationCase{"en_GB.UTF-8", "ENG"},
                    // A territory without an entry of its own gets the language's main one.
                    AbbreviationCase{"fr_SN.UTF-8", "FRA"}, AbbreviationCase{"de", "DEU"},
                    // Case of the parts does not matter.
                    AbbreviationCase{"FR_fr", "FRA"}, AbbreviationCase{"sr_RS", "SRB"},
                    AbbreviationCase{"sr_RS@latin", "SRL"}, AbbreviationCase{"C", "ENU"},
                    AbbreviationCase{"C.UTF-8", "ENU"}, AbbreviationCase{"POSIX", "ENU"},
                    AbbreviationCase{"", "ENU"}, AbbreviationCase{"eo.UTF-8", ""}));

TEST(MessagesLocaleName, FollowsPosixPrecedence)
{
    EXPECT_EQ(MessagesLocaleName("de_DE", "fr_FR", "en_US"), "de_DE");
    EXPECT_EQ(MessagesLocaleName("", "fr_FR", "en_US"), "fr_FR");
    EXPECT_EQ(MessagesLocaleName("", "", "en_US"), "en_US");
    EXPECT_EQ(MessagesLocaleName("", "", ""), "");
}

}  // namespace
}  // namespace quorvel
