#include "core/executor/countdown_field.h"

#include <charconv>

#include "core/text/ascii_blanks.h"

namespace quorvel {

int ReadCountdown(std::string_view field)
{
    if (field.empty()) {
        return kNoCountdown;
    }
    const std::string_view digits = TrimBlanks(field);
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') {
        // from_chars would take a leading "-"; a negative count-down is as damaged as letters.
        return 0;
    }
    int seconds = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), seconds);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return 0;
    }
    return seconds;
}

}  // namespace quorvel
