#include "platform/linux/in_process_wake_clock.h"

#include <QDebug>
#include <cstring>

namespace quorvel {

InProcessWakeClock::InProcessWakeClock(clockid_t clock) : m_clock(clock)
{
    Watch(m_pcWake, WakeTimerName::PcWake);
    Watch(m_wakeTest, WakeTimerName::WakeTest);
}

bool InProcessWakeClock::WakesFromSuspend() const
{
    return (m_clock == CLOCK_REALTIME_ALARM || m_clock == CLOCK_BOOTTIME_ALARM) && m_pcWake.timer.IsValid();
}

void InProcessWakeClock::Watch(Slot& slot, WakeTimerName timer)
{
    int error = 0;
    slot.timer = TimerFd::Create(m_clock, error);
    if (!slot.timer.IsValid()) {
        qWarning().noquote() << "No timer for"
                             << QLatin1String(WakeTimerText(timer).data(),
                                              static_cast<qsizetype>(WakeTimerText(timer).size()))
                             << "power-on tasks:" << std::strerror(error);
        return;
    }
    slot.notifier = std::make_unique<QSocketNotifier>(slot.timer.Fd(), QSocketNotifier::Read);
    QObject::connect(slot.notifier.get(), &QSocketNotifier::activated, this, [this, timer] {
        if (SlotOf(timer).timer.ConsumeExpiry()) {
            Fired(timer);
        }
    });
}

void InProcessWakeClock::ArmAt(WakeTimerName timer, std::chrono::sys_seconds dueUtc)
{
    if (Slot& slot = SlotOf(timer); slot.timer.IsValid()) {
        slot.timer.ArmAt(dueUtc);
    }
}

void InProcessWakeClock::ArmAfter(WakeTimerName timer, std::chrono::seconds delay)
{
    if (Slot& slot = SlotOf(timer); slot.timer.IsValid()) {
        slot.timer.ArmAfter(delay);
    }
}

void InProcessWakeClock::Cancel(WakeTimerName timer)
{
    if (Slot& slot = SlotOf(timer); slot.timer.IsValid()) {
        slot.timer.Disarm();
    }
}

}  // namespace quorvel
