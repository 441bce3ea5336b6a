#pragma once

#include <optional>
#include <string_view>

namespace quorvel {

// An integer value of a language file: decimal with an optional sign, or hexadecimal after "0x"
// (either case). Nothing for any other text, for trailing characters and for values outside int,
// so that the caller keeps its current value.
std::optional<int> ParseLangInt(std::string_view text);

}  // namespace quorvel
