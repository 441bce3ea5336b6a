#include "platform/linux/timer_wake_depth.h"

namespace quorvel {

SystemPowerState DeepestTimerWake(const TimerWakeFacts& facts)
{
    if (!facts.sysfs.rtcAlarm) {
        // Without a clock that can raise an alarm, nothing wakes the machine on time.
        return SystemPowerState::Unspecified;
    }
    if (facts.canHibernate && facts.sysfs.hibernation && facts.sysfs.rtcAlarmWritable) {
        return SystemPowerState::Hibernate;
    }
    if (facts.canSuspend && facts.sysfs.suspendToRam &&
        (facts.timerWakesFromSuspend || facts.sysfs.rtcAlarmWritable)) {
        return SystemPowerState::Sleeping3;
    }
    return SystemPowerState::Unspecified;
}

}  // namespace quorvel
