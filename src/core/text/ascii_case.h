#pragma once

#include <cstddef>
#include <string_view>

namespace quorvel {

// Case folding of A-Z only: bytes above 127 belong to whatever code page the file uses, so they
// are compared as they stand.
constexpr char FoldAsciiCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvel
