#include "core/text/lang_int.h"

#include <charconv>

namespace quorvel {

std::optional<int> ParseLangInt(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('+')) {
        text.remove_prefix(1);  // from_chars takes "-" but not "+"
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    if (text.empty() || text.front() == '+' || (base == 16 && text.front() == '-')) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace quorvel
