#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace quorvel {

// One argument of a translated message: a text or a whole number.
using LangFormatArg = std::variant<std::string, long long>;

// Formats a message text taken from a language file. The text is data, so only a small, checked
// set of directives is understood: "%%", and "%s" / "%d" with optional flags ("-" for both; "+",
// " " and "0" for %d) and a width of at most kMaxLangFormatWidth. A %s takes a text, a %d a
// number, one argument each in order; arguments left over are ignored. Widths count characters
// of UTF-8 text. Returns nothing when a directive is unknown or does not fit its argument, or an
// argument is missing; callers then show the text unformatted.
std::optional<std::string> FormatLangText(std::string_view pattern, std::span<const LangFormatArg> args);

// The directives of a text, one letter each ('s' or 'd') in order; nothing when the text holds a
// directive that FormatLangText refuses. A translation should have the same ones as its original.
std::optional<std::string> LangFormatDirectives(std::string_view pattern);

inline constexpr int kMaxLangFormatWidth = 1024;

}  // namespace quorvel
