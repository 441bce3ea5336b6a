#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "core/executor/argument_split.h"

namespace quorvel {
namespace {

using Args = std::vector<std::string>;

struct SplitCase {
    std::string name;
    std::string text;
    Args expected;
};

class SplitArgumentsTable : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitArgumentsTable, GivesTheArguments)
{
    const ArgumentSplit split = SplitArguments(GetParam().text);
    EXPECT_EQ(split.error, ArgumentSplitError::None);
    EXPECT_EQ(split.arguments, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Quoting, SplitArgumentsTable,
    testing::Values(
        SplitCase{"empty", "", {}}, SplitCase{"only_blanks", " \t  ", {}},
        SplitCase{"words", "-a  --to=/mnt\tx", {"-a", "--to=/mnt", "x"}},
        SplitCase{"line_ends_separate", "a\r\nb", {"a", "b"}},
        SplitCase{"single_quotes_keep_all", "'a b' '\\n\"'", {"a b", "\\n\""}},
        SplitCase{"double_quotes", "\"a b\" \"say \\\"hi\\\"\"", {"a b", "say \"hi\""}},
        SplitCase{"double_quote_escapes", "\"\\\\ \\$ \\` \\x\"", {"\\ $ ` \\x"}},
        SplitCase{"backslash_outside", "a\\ b c\\\\d \\'e", {"a b", "c\\d", "'e"}},
        SplitCase{"trailing_backslash", "a\\", {"a\\"}},
        SplitCase{"pieces_join", "--name='Anna Berg'\"'s\"x", {"--name=Anna Berg'sx"}},
        SplitCase{"empty_quotes_are_arguments", "'' \"\" a", {"", "", "a"}},
        SplitCase{"bytes_above_ascii_kept", "caf\xE9 \xC3\xBC", {"caf\xE9", "\xC3\xBC"}},
        SplitCase{"windows_path_needs_quotes", "'C:\\Temp\\x.txt' C:\\Temp", {"C:\\Temp\\x.txt", "C:Temp"}}),
    testing_support::CaseName{});

// Texts from a task file that another user or an imported file may have written: every one is
// plain argument text, never a command.
INSTANTIATE_TEST_SUITE_P(
    Hostile, SplitArgumentsTable,
    testing::Values(
        SplitCase{"command_list", "; touch /tmp/owned", {";", "touch", "/tmp/owned"}},
        SplitCase{"glued_command_list", "x;touch /tmp/owned", {"x;touch", "/tmp/owned"}},
        SplitCase{"command_substitution", "$(id)", {"$(id)"}},
        SplitCase{"substitution_in_double_quotes", "\"$(touch /tmp/owned)\"", {"$(touch /tmp/owned)"}},
        SplitCase{"backticks", "`id` \"`id`\"", {"`id`", "`id`"}},
        SplitCase{"variables", "$HOME ${PATH} \"$USER\"", {"$HOME", "${PATH}", "$USER"}},
        SplitCase{"and_or_pipe", "a && b || c | d &", {"a", "&&", "b", "||", "c", "|", "d", "&"}},
        SplitCase{"redirection", ">/tmp/owned 2>&1 </etc/passwd", {">/tmp/owned", "2>&1", "</etc/passwd"}},
        SplitCase{"globs_and_tilde", "* ?.txt [ab] ~ ~/x", {"*", "?.txt", "[ab]", "~", "~/x"}},
        SplitCase{"comment_is_text", "#1 a#b", {"#1", "a#b"}},
        SplitCase{"subshell", "(touch /tmp/owned)", {"(touch", "/tmp/owned)"}},
        SplitCase{"escaped_newline_is_text", "a\\\nb", {"a\nb"}},
        SplitCase{"option_looking", "--exec=rm -rf", {"--exec=rm", "-rf"}}),
    testing_support::CaseName{});

TEST(SplitArguments, RefusesAnOpenQuoteRatherThanGuessing)
{
    struct Case {
        const char* text;
        ArgumentSplitError error;
        std::size_t offset;
    };
    const Case cases[] = {
        {"a 'b c", ArgumentSplitError::UnclosedSingleQuote, 2},
        {"\"b c", ArgumentSplitError::UnclosedDoubleQuote, 0},
        {"x \"a\\\"", ArgumentSplitError::UnclosedDoubleQuote, 2},
        {"\"it's\" 'fine\" here", ArgumentSplitError::UnclosedSingleQuote, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ArgumentSplit split = SplitArguments(c.text);
        EXPECT_EQ(split.error, c.error);
        EXPECT_EQ(split.errorOffset, c.offset);
        EXPECT_TRUE(split.arguments.empty());
    }
}

}  // namespace
}  // namespace quorvel
