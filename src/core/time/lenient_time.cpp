#include "core/time/lenient_time.h"

#include <array>

namespace quorvel {
namespace {

enum class Meridiem { None, Am, Pm };

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

struct MarkerText {
    std::string_view text;
    Meridiem meridiem;
};

// Longer spellings first so "a.m." is not mistaken for a bare "m.".
constexpr std::array<MarkerText, 4> kMarkers = {{
    {"a.m.", Meridiem::Am},
    {"p.m.", Meridiem::Pm},
    {"am", Meridiem::Am},
    {"pm", Meridiem::Pm},
}};

// Takes an AM/PM marker off either end of the text.
Meridiem TakeMarker(std::string_view& text)
{
    for (const MarkerText& marker : kMarkers) {
        if (text.size() < marker.text.size()) {
            continue;
        }
        if (EqualsIgnoringCase(text.substr(text.size() - marker.text.size()), marker.text)) {
            text = Trim(text.substr(0, text.size() - marker.text.size()));
            return marker.meridiem;
        }
        if (EqualsIgnoringCase(text.substr(0, marker.text.size()), marker.text)) {
            text = Trim(text.substr(marker.text.size()));
            return marker.meridiem;
        }
    }
    return Meridiem::None;
}

// One or two digits at the front of the text.
std::optional<int> TakeNumber(std::string_view& text)
{
    int value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && digits < 2 && text[digits] >= '0' && text[digits] <= '9') {
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    text.remove_prefix(digits);
    return value;
}

bool TakeSeparator(std::string_view& text)
{
    if (text.empty() || (text.front() != ':' && text.front() != '.')) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::optional<TimeOfDay> ReadLenientTime(std::string_view text)
{
    text = Trim(text);
    const Meridiem meridiem = TakeMarker(text);

    std::array<int, 3> parts = {0, 0, 0};
    std::size_t count = 0;
    for (;;) {
        const auto number = TakeNumber(text);
        if (!number) {
            return std::nullopt;
        }
        parts[count++] = *number;
        if (count == parts.size() || !TakeSeparator(text)) {
            break;
        }
    }
    if (!text.empty() || count < 2) {
        return std::nullopt;
    }

    TimeOfDay time{parts[0], parts[1], parts[2]};
    if (time.minute > 59 || time.second > 59) {
        return std::nullopt;
    }
    if (meridiem == Meridiem::None) {
        return time.hour <= 23 ? std::optional<TimeOfDay>(time) : std::nullopt;
    }
    if (time.hour < 1 || time.hour > 12) {
        return std::nullopt;
    }
    // 12 AM is midnight and 12 PM is noon.
    time.hour %= 12;
    if (meridiem == Meridiem::Pm) {
        time.hour += 12;
    }
    return time;
}

}  // namespace quorvel
