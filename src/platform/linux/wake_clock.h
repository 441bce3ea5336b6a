#pragma once

#include <chrono>
#include <functional>

#include "platform/linux/wake_helper_protocol.h"

namespace quorvel {

// Holds the two named timers for the wake timer: in the wake helper, or in this process when
// the helper cannot be had. Each timer carries at most one due time.
class WakeClock {
public:
    virtual ~WakeClock() = default;

    // Each replaces the timer's earlier due time.
    virtual void ArmAt(WakeTimerName timer, std::chrono::sys_seconds dueUtc) = 0;
    virtual void ArmAfter(WakeTimerName timer, std::chrono::seconds delay) = 0;
    virtual void Cancel(WakeTimerName timer) = 0;

    // True when its timers wake a suspended machine, false when they fire only while it is awake.
    virtual bool WakesFromSuspend() const = 0;

    // `fired` runs on the user-interface thread at each expiry; `lost` when the clock stopped
    // working and its due times are gone (the helper ended).
    void SetHandlers(std::function<void(WakeTimerName)> fired, std::function<void()> lost)
    {
        m_fired = std::move(fired);
        m_lost = std::move(lost);
    }

protected:
    void Fired(WakeTimerName timer) const
    {
        if (m_fired) {
            m_fired(timer);
        }
    }
    void Lost() const
    {
        if (m_lost) {
            m_lost();
        }
    }

private:
    std::function<void(WakeTimerName)> m_fired;
    std::function<void()> m_lost;
};

}  // namespace quorvel
