#include "core/security/ini_name_escape.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quorvel {
namespace {

struct EscapeCase {
    std::string name;
    std::string escaped;
    std::string back;  // what unescaping gives (blanks at the ends are gone for good)
};

void PrintTo(const EscapeCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.name);
}

class IniNameEscapeTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(IniNameEscapeTest, EscapesAndComesBack)
{
    EXPECT_EQ(EscapeIniName(GetParam().name), GetParam().escaped);
    EXPECT_EQ(UnescapeIniName(GetParam().escaped), GetParam().back);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniNameEscapeTest,
    testing::Values(EscapeCase{"  My ISP  ", "My_ISP", "My ISP"},
                    EscapeCase{"john@example_x\\y", "john\\Aexample\\_x\\\\y", "john@example_x\\y"},
                    EscapeCase{"a=b", "a\\-b", "a=b"}, EscapeCase{"\\_", "\\\\\\_", "\\_"},
                    EscapeCase{"   ", "", ""}, EscapeCase{"", "", ""},
                    EscapeCase{"caf\xE9", "caf\xE9", "caf\xE9"}));

TEST(UnescapeIniName, KeepsABackslashThatStartsNoPair)
{
    EXPECT_EQ(UnescapeIniName("a\\b"), "a\\b");
    EXPECT_EQ(UnescapeIniName("end\\"), "end\\");
    EXPECT_EQ(UnescapeIniName("\\a"), "\\a");  // only a capital A stands for "@"
}

}  // namespace
}  // namespace quorvel
