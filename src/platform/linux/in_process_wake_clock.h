#pragma once

#include <time.h>

#include <QObject>
#include <QSocketNotifier>
#include <memory>

#include "platform/linux/timer_fd.h"
#include "platform/linux/wake_clock.h"

namespace quorvel {

// The fallback when the wake helper is missing or lacks its capability: timers in this process
// on a clock that runs only while the machine is awake. One descriptor per timer, watched by the
// event loop, so re-arming never leaves a waiting thread behind.
class InProcessWakeClock final : public QObject, public WakeClock {
public:
    explicit InProcessWakeClock(clockid_t clock);

    void ArmAt(WakeTimerName timer, std::chrono::sys_seconds dueUtc) override;
    void ArmAfter(WakeTimerName timer, std::chrono::seconds delay) override;
    void Cancel(WakeTimerName timer) override;
    bool WakesFromSuspend() const override;

private:
    struct Slot {
        TimerFd timer;
        std::unique_ptr<QSocketNotifier> notifier;
    };
    Slot& SlotOf(WakeTimerName timer) { return timer == WakeTimerName::PcWake ? m_pcWake : m_wakeTest; }
    void Watch(Slot& slot, WakeTimerName timer);

    clockid_t m_clock;
    Slot m_pcWake;
    Slot m_wakeTest;
};

}  // namespace quorvel
