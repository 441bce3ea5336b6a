#include "core/editor/day_month_text.h"

#include <array>
#include <optional>

namespace quorvel {
namespace {

std::optional<int> NumberFrom1To(std::string_view text, int largest)
{
    if (text.empty() || text.size() > 2 || text.front() == '0') {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value > largest) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool IsValidDayText(std::string_view text)
{
    return NumberFrom1To(text, 31).has_value();
}

bool IsValidMonthText(std::string_view text)
{
    return NumberFrom1To(text, 12).has_value();
}

bool IsValidAnnualDate(std::string_view dayText, std::string_view monthText)
{
    // The longest each month gets, leap years included.
    constexpr std::array<int, 12> kLongestMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const std::optional<int> day = NumberFrom1To(dayText, 31);
    const std::optional<int> month = NumberFrom1To(monthText, 12);
    return day && month && *day <= kLongestMonth[static_cast<std::size_t>(*month - 1)];
}

}  // namespace quorvel
