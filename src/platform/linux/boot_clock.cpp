#include "platform/linux/boot_clock.h"

#include <time.h>

namespace quorvel {

BootClock SystemBootClock()
{
    return [] {
        timespec now{};
        clock_gettime(CLOCK_BOOTTIME, &now);
        return std::chrono::seconds{now.tv_sec} + std::chrono::nanoseconds{now.tv_nsec};
    };
}

}  // namespace quorvel
