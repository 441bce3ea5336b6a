#pragma once

#include <string>

namespace quorvel {

// Outcome of writing one setting. On failure `message` is the text to show the user
// ("Unable to write to " and the file's path) and `reason` says what went wrong, for the log.
struct [[nodiscard]] ProfileWriteResult {
    std::string message;
    std::string reason;

    bool ok() const { return message.empty(); }
};

}  // namespace quorvel
