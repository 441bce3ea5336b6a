#pragma once

#include <chrono>
#include <functional>

namespace quorvel {

// The timer that wakes a suspended or hibernated computer for a power-on task. It holds at most
// one due time, shared by every copy of the program in the session.
class WakeTimer {
public:
    virtual ~WakeTimer() = default;

    // Replaces any due time armed before. Absolute and in UTC, so a time-zone change after arming
    // does not move it.
    virtual void ArmWakeTimer(std::chrono::sys_seconds dueUtc) = 0;
    virtual void CancelWakeTimer() = 0;

    // Called on the user-interface thread each time the armed due time is reached.
    virtual void SetWakeTimerHandler(std::function<void()> fired) = 0;

    // The one-time power-on test: a separate timer, relative to now, that only has to wake the
    // machine; nobody waits for it.
    virtual void ArmWakeTestTimer(std::chrono::seconds delay) = 0;
};

}  // namespace quorvel
