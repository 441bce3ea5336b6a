#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The stored form of the settings password. It is compared, never reversed: a typed password is
// right when its scrambled form equals the stored one byte for byte. Each output byte is the input
// byte XOR (the next input byte mod 10), the last byte pairing with the first; the result has the
// same length, and the empty text stays empty.
std::string ScramblePassword(std::string_view text);

}  // namespace quorvel
