#pragma once

#include "platform/linux/sysfs_power_info.h"
#include "platform/power_capabilities.h"

namespace quorvel {

struct TimerWakeFacts {
    SysfsPowerInfo sysfs;
    bool canSuspend = false;    // the kernel offers it and logind lets this user do it
    bool canHibernate = false;  // likewise
    // This process can arm a timer that wakes a suspended machine (the wake helper has its
    // capability).
    bool timerWakesFromSuspend = false;
};

// The deepest sleep a power-on task can wake the machine from. Hibernation needs the real-time
// clock's alarm, set by this process; suspend is woken by a waking timer or that alarm. Anything
// else reports Unspecified, so nobody is promised a wake that will not happen.
SystemPowerState DeepestTimerWake(const TimerWakeFacts& facts);

}  // namespace quorvel
