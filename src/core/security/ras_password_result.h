#pragma once

#include <string>

namespace quorvel {

// Outcome of encoding or decoding a dial-up password: the text, or a message the caller can show
// the user as it stands. Bad stored data must never end in a crash or an escaping exception.
struct RasPasswordResult {
    std::string text;
    std::string error;  // empty on success

    bool ok() const { return error.empty(); }
};

}  // namespace quorvel
