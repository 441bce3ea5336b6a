#pragma once

#include <cstddef>
#include <string_view>

namespace quorvel {

// True when `bytes` is well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Length of the well-formed UTF-8 sequence at the start of `bytes`, or 0 when there is none
// (overlong forms, surrogates and truncated sequences included).
std::size_t Utf8SequenceLength(std::string_view bytes);

// True when the bytes begin with the UTF-8 byte-order mark.
bool HasUtf8Bom(std::string_view bytes);

}  // namespace quorvel
