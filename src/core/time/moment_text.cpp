#include "core/time/moment_text.h"

#include "core/schedule/calendar.h"

namespace quorvel {
namespace {

// Reads exactly `digits` decimal digits at `position` and moves past them.
std::optional<int> ReadDigits(std::string_view text, std::size_t& position, std::size_t digits)
{
    if (position + digits > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const char c = text[position + i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    position += digits;
    return value;
}

bool Expect(std::string_view text, std::size_t& position, char separator)
{
    if (position >= text.size() || text[position] != separator) {
        return false;
    }
    ++position;
    return true;
}

}  // namespace

std::optional<LocalMoment> ParseMomentText(std::string_view text)
{
    std::size_t at = 0;
    LocalMoment moment;
    const auto year = ReadDigits(text, at, 4);
    if (!year || !Expect(text, at, '-')) {
        return std::nullopt;
    }
    const auto month = ReadDigits(text, at, 2);
    if (!month || !Expect(text, at, '-')) {
        return std::nullopt;
    }
    const auto day = ReadDigits(text, at, 2);
    if (!day || !Expect(text, at, ' ')) {
        return std::nullopt;
    }
    const auto hour = ReadDigits(text, at, 2);
    if (!hour || !Expect(text, at, ':')) {
        return std::nullopt;
    }
    const auto minute = ReadDigits(text, at, 2);
    if (!minute || !Expect(text, at, ':')) {
        return std::nullopt;
    }
    const auto second = ReadDigits(text, at, 2);
    if (!second) {
        return std::nullopt;
    }
    if (at < text.size()) {
        const auto millisecond = Expect(text, at, '.') ? ReadDigits(text, at, 3) : std::nullopt;
        if (!millisecond || at != text.size()) {
            return std::nullopt;
        }
        moment.millisecond = *millisecond;
    }
    moment.date = Date{*year, *month, *day};
    moment.time = TimeOfDay{*hour, *minute, *second};
    if (!IsValidDate(moment.date) || moment.time.hour > 23 || moment.time.minute > 59 ||
        moment.time.second > 59) {
        return std::nullopt;
    }
    return moment;
}

}  // namespace quorvel
