#include "core/executor/argument_split.h"

namespace quorvel {
namespace {

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool EscapableInDoubleQuotes(char c)
{
    return c == '"' || c == '\\' || c == '$' || c == '`';
}

ArgumentSplit Failed(ArgumentSplitError error, std::size_t offset)
{
    return ArgumentSplit{{}, error, offset};
}

}  // namespace

ArgumentSplit SplitArguments(std::string_view text)
{
    ArgumentSplit split;
    std::string current;
    bool inArgument = false;  // also true for an argument made of empty quotes
    std::size_t i = 0;
    const auto finish = [&] {
        if (inArgument) {
            split.arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        }
    };
    while (i < text.size()) {
        const char c = text[i];
        if (IsSeparator(c)) {
            finish();
            ++i;
        } else if (c == '\'') {
            const std::size_t close = text.find('\'', i + 1);
            if (close == std::string_view::npos) {
                return Failed(ArgumentSplitError::UnclosedSingleQuote, i);
            }
            current.append(text.substr(i + 1, close - i - 1));
            inArgument = true;
            i = close + 1;
        } else if (c == '"') {
            const std::size_t open = i++;
            while (i < text.size() && text[i] != '"') {
                if (text[i] == '\\' && i + 1 < text.size() && EscapableInDoubleQuotes(text[i + 1])) {
                    ++i;
                }
                current += text[i++];
            }
            if (i == text.size()) {
                return Failed(ArgumentSplitError::UnclosedDoubleQuote, open);
            }
            inArgument = true;
            ++i;
        } else if (c == '\\') {
            // A lone backslash at the end has nothing to escape and stays.
            current += i + 1 < text.size() ? text[i + 1] : '\\';
            inArgument = true;
            i += 2;
        } else {
            current += c;
            inArgument = true;
            ++i;
        }
    }
    finish();
    return split;
}

}  // namespace quorvel
