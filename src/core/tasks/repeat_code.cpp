#include "core/tasks/repeat_code.h"

#include <charconv>

namespace quorvel {
namespace {

constexpr char kDash = '-';
constexpr std::size_t kYearLength = 4;

// Only plain ASCII digits count: no sign, no blanks, nothing after them. Leading zeros are
// accepted since they still name the same number; values beyond int give nothing.
std::optional<int> StrictDecimal(std::string_view text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Position just after the n-th dash (1-based), or npos when the code has fewer.
std::size_t AfterDash(std::string_view code, int n)
{
    std::size_t from = 0;
    for (int i = 0; i < n; ++i) {
        const auto dash = code.find(kDash, from);
        if (dash == std::string_view::npos) {
            return std::string_view::npos;
        }
        from = dash + 1;
    }
    return from;
}

// The text from just after the n-th dash up to the next dash (or the end).
std::string_view BetweenDashes(std::string_view code, int n)
{
    const auto start = AfterDash(code, n);
    if (start == std::string_view::npos) {
        return {};
    }
    const auto end = code.find(kDash, start);
    return code.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// The text after the n-th dash, to the end.
std::string_view RestAfterDash(std::string_view code, int n)
{
    const auto start = AfterDash(code, n);
    return start == std::string_view::npos ? std::string_view() : code.substr(start);
}

}  // namespace

RecurrenceKind RecurrenceKindOf(std::string_view repeatCode)
{
    if (repeatCode.empty()) {
        return RecurrenceKind::Weekly;
    }
    const std::string_view head = repeatCode.substr(0, 2);
    if (head == "l1") {
        return RecurrenceKind::Daily;
    }
    if (head == "l2") {
        return RecurrenceKind::Once;
    }
    if (head == "l3") {
        return RecurrenceKind::Annually;
    }
    if (head == "l4") {
        return RecurrenceKind::Monthly;
    }
    return RecurrenceKind::Unknown;
}

RepeatParts DecodeRepeatCode(std::string_view repeatCode)
{
    RepeatParts parts;
    parts.kind = RecurrenceKindOf(repeatCode);
    switch (parts.kind) {
        case RecurrenceKind::Once: {
            const auto yearStart = AfterDash(repeatCode, 1);
            if (yearStart != std::string_view::npos) {
                parts.yearText = repeatCode.substr(yearStart, kYearLength);
            }
            parts.monthText = BetweenDashes(repeatCode, 2);
            parts.dayText = RestAfterDash(repeatCode, 3);
            break;
        }
        case RecurrenceKind::Annually:
            parts.monthText = BetweenDashes(repeatCode, 1);
            parts.dayText = RestAfterDash(repeatCode, 2);
            break;
        case RecurrenceKind::Monthly:
            parts.dayText = RestAfterDash(repeatCode, 1);
            break;
        case RecurrenceKind::Weekly:
        case RecurrenceKind::Daily:
        case RecurrenceKind::Unknown:
            break;
    }
    parts.year = StrictDecimal(parts.yearText);
    parts.month = StrictDecimal(parts.monthText);
    parts.day = StrictDecimal(parts.dayText);
    return parts;
}

}  // namespace quorvel
