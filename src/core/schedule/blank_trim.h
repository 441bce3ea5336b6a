#pragma once

#include <string_view>

namespace quorvel {

// The text without leading and trailing blanks and control characters (bytes up to 0x20), the
// way stored times and titles are shown. Bytes above 0x20 are never touched, so multi-byte
// characters stay whole.
std::string_view TrimDisplayBlanks(std::string_view text);

}  // namespace quorvel
