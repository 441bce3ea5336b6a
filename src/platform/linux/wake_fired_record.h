#pragma once

#include <chrono>
#include <optional>

namespace quorvel {

// When one of our waking timers last fired, on the boot clock. The wake timer writes it, the
// power events read it to tell a wake by timer from a wake by hand.
struct WakeFiredRecord {
    std::optional<std::chrono::nanoseconds> lastFired;
};

}  // namespace quorvel
