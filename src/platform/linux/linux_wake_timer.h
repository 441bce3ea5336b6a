#pragma once

#include <time.h>

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/linux/boot_clock.h"
#include "platform/linux/rtc_wake_alarm.h"
#include "platform/linux/wake_clock.h"
#include "platform/linux/wake_fired_record.h"
#include "platform/linux/wake_helper_client.h"
#include "platform/wake_timer.h"

namespace quorvel {

struct LinuxWakeTimerSetup {
    // Empty program: no helper installed.
    WakeHelperLaunch helper;
    // The clock of the in-process fallback; CLOCK_REALTIME, which fires only while awake.
    clockid_t fallbackClock = CLOCK_REALTIME;
    std::string sysfsRoot = "/sys";
    BootClock bootClock;
    std::shared_ptr<WakeFiredRecord> fired;
};

// The wake timer "pcwake" and the test timer "waketest", one of each per process. Held by the
// wake helper when it has the right to wake the machine, else in this process on a clock that
// fires only while awake; the real-time clock's alarm is set as well where it may be, so
// hibernation wakes too. Started on first use, so building the services touches nothing.
class LinuxWakeTimer final : public WakeTimer {
public:
    explicit LinuxWakeTimer(LinuxWakeTimerSetup setup);
    ~LinuxWakeTimer() override;

    void ArmWakeTimer(std::chrono::sys_seconds dueUtc) override;
    void CancelWakeTimer() override;
    void SetWakeTimerHandler(std::function<void()> fired) override;
    void ArmWakeTestTimer(std::chrono::seconds delay) override;

    // True when an armed timer wakes a suspended machine: the helper runs with its capability.
    bool WakesFromSuspend();

private:
    WakeClock& Clock();
    void UseFallback(const QString& why);
    void OnFired(WakeTimerName timer);
    void OnLost();
    std::optional<std::chrono::sys_seconds>& Pending(WakeTimerName timer);
    void UpdateRtcAlarm();

    LinuxWakeTimerSetup m_setup;
    std::unique_ptr<WakeClock> m_clock;
    std::function<void()> m_handler;
    std::optional<std::chrono::sys_seconds> m_pcWakeDue;
    std::optional<std::chrono::sys_seconds> m_wakeTestDue;
    RtcWakeAlarm m_rtcAlarm;
};

}  // namespace quorvel
