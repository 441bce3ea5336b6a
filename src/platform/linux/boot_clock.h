#pragma once

#include <chrono>
#include <functional>

namespace quorvel {

// Time since boot that keeps counting while the machine sleeps, so two moments either side of a
// suspend are as far apart as they really were.
using BootClock = std::function<std::chrono::nanoseconds()>;

BootClock SystemBootClock();

}  // namespace quorvel
