#include "core/schedule/tick_delay.h"

namespace quorvel {

int MillisecondsToNextTick(const LocalMoment& now)
{
    return 1000 - now.millisecond + kTickLeadMilliseconds;
}

}  // namespace quorvel
