#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/security/ras_password_result.h"

namespace quorvel {

inline constexpr std::size_t kRasPasswordMaxLength = 255;

// The stored form of a dial-up password: a 256-byte buffer (length byte, then the password) read
// as little-endian 16-bit pairs, each offset by 29411 and written as a five-digit group. At least
// ten bytes are encoded, so a short password is first repeated to fill them and an empty one is
// filled with the decimal digits of `tickCount` (the caller's millisecond tick counter; any value
// will do, 0 keeps the output fixed). The one spare byte an even length of ten or more drags in is
// always 0, so equal passwords encode alike. A password longer than 255 bytes cannot be stored and
// gives an error instead.
RasPasswordResult EncodeRasPassword(std::string_view password, std::uint32_t tickCount = 0);

// Reverses EncodeRasPassword. A group that is not five digits, a group outside the 16-bit range,
// a trailing group shorter than five, or a length byte beyond the decoded bytes gives an error;
// the empty text decodes to the empty password.
RasPasswordResult DecodeRasPassword(std::string_view encoded);

}  // namespace quorvel
