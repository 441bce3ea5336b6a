#include "core/tasks/repeat_part_views.h"

#include <array>
#include <charconv>

#include "core/tasks/repeat_code.h"

namespace quorvel {
namespace {

constexpr char kDash = '-';
constexpr std::size_t kYearLength = 4;
// Nine digits never leave the range of int, so those are summed up without a range check.
constexpr std::size_t kSafeDigits = 9;

// Only plain ASCII digits count: no sign, no blanks, nothing after them. Leading zeros are
// accepted since they still name the same number; values beyond int give nothing.
std::optional<int> StrictDecimal(std::string_view text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    const bool safe = text.size() <= kSafeDigits;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (safe) {
            value = value * 10 + (c - '0');
        }
    }
    if (!safe) {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size()) {
            return std::nullopt;
        }
    }
    return value;
}

// Where the first three dashes of a code stand (npos for those it lacks), found in one pass.
struct Dashes {
    explicit Dashes(std::string_view code)
    {
        std::size_t found = 0;
        for (std::size_t i = 0; i < code.size() && found < m_at.size(); ++i) {
            if (code[i] == kDash) {
                m_at[found++] = i;
            }
        }
    }

    // Position just after the n-th dash (1-based), or npos when the code has fewer.
    std::size_t After(std::size_t n) const
    {
        return m_at[n - 1] == std::string_view::npos ? std::string_view::npos : m_at[n - 1] + 1;
    }

    std::array<std::size_t, 3> m_at = {std::string_view::npos, std::string_view::npos,
                                       std::string_view::npos};
};

// The text from just after the n-th dash up to the next dash (or the end).
std::string_view BetweenDashes(std::string_view code, const Dashes& dashes, std::size_t n)
{
    const auto start = dashes.After(n);
    if (start == std::string_view::npos) {
        return {};
    }
    // The dash after the n-th is the (n+1)-th; n is at most 2 here.
    const auto end = dashes.m_at[n];
    return code.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// The text after the n-th dash, to the end.
std::string_view RestAfterDash(std::string_view code, const Dashes& dashes, std::size_t n)
{
    const auto start = dashes.After(n);
    return start == std::string_view::npos ? std::string_view() : code.substr(start);
}

}  // namespace

RepeatPartViews ViewRepeatCode(std::string_view repeatCode)
{
    RepeatPartViews parts;
    parts.kind = RecurrenceKindOf(repeatCode);
    // Only these kinds carry date parts; every other code is left unread.
    if (parts.kind != RecurrenceKind::Once && parts.kind != RecurrenceKind::Annually &&
        parts.kind != RecurrenceKind::Monthly) {
        return parts;
    }
    const Dashes dashes(repeatCode);
    switch (parts.kind) {
        case RecurrenceKind::Once: {
            const auto yearStart = dashes.After(1);
            if (yearStart != std::string_view::npos) {
                parts.yearText = repeatCode.substr(yearStart, kYearLength);
            }
            parts.monthText = BetweenDashes(repeatCode, dashes, 2);
            parts.dayText = RestAfterDash(repeatCode, dashes, 3);
            break;
        }
        case RecurrenceKind::Annually:
            parts.monthText = BetweenDashes(repeatCode, dashes, 1);
            parts.dayText = RestAfterDash(repeatCode, dashes, 2);
            break;
        case RecurrenceKind::Monthly:
            parts.dayText = RestAfterDash(repeatCode, dashes, 1);
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
