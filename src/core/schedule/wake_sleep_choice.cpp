#include "core/schedule/wake_sleep_choice.h"

namespace quorvel {

namespace {
constexpr int kSuspendToRam = 4;
}

bool HibernatesForWake(int rtcWakeState)
{
    return rtcWakeState > kSuspendToRam;
}

}  // namespace quorvel
