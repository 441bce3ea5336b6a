#pragma once

#include <chrono>

namespace quorvel {

class SystemClock {
public:
    virtual ~SystemClock() = default;

    // Sets the computer's clock. UTC, so the caller never has to guess the zone of a local time
    // that daylight saving makes ambiguous. A refusal (no right to set the clock) is not reported.
    virtual void SetSystemTime(std::chrono::sys_seconds utc) = 0;
};

}  // namespace quorvel
