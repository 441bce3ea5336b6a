#pragma once

#include <string_view>

namespace quorvel {

// Blanks in the sense of the settings file and stored names: space and tab.
constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

constexpr std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace quorvel
