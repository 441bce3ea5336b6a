#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

enum class ArgumentSplitError {
    None,
    UnclosedSingleQuote,
    UnclosedDoubleQuote,
};

struct ArgumentSplit {
    std::vector<std::string> arguments;  // empty unless `error` is None
    ArgumentSplitError error = ArgumentSplitError::None;
    std::size_t errorOffset = 0;  // where the unclosed quote opens
};

// Splits a program's parameter text into arguments the way a POSIX shell quotes, but with nothing
// else a shell does, so text from a task file can never run anything by itself:
// - blanks (space, tab, line ends) outside quotes separate arguments; runs of them count as one;
// - '...' keeps everything up to the next ' as it is;
// - "..." keeps everything up to the next unescaped ", where a backslash escapes only " \ $ and `
//   (and stands for itself before any other character);
// - outside quotes a backslash takes the next character as it is; a backslash at the very end
//   stands for itself;
// - quoted and unquoted pieces that touch form one argument; "" or '' alone is an empty argument;
// - $, `, ;, |, &, <, >, (, ), *, ?, [, ~ and # are ordinary characters: no expansion, no
//   globbing, no command lists, no redirection, no comments.
// A quote left open is an error rather than a guess, so a damaged text starts nothing.
ArgumentSplit SplitArguments(std::string_view text);

}  // namespace quorvel
