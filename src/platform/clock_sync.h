#pragma once

#include <string>

namespace quorvel {

// Sets the computer's clock from an internet time server in the background: one attempt, and
// nothing shown or reported whatever the outcome, so a slow server never holds up the caller.
class ClockSync {
public:
    virtual ~ClockSync() = default;

    virtual void StartClockSync(const std::string& server) = 0;
};

}  // namespace quorvel
