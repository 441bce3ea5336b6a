#include "platform/recording/recording_wake_timer.h"

#include <string>

#include "platform/recording/utc_text.h"

namespace quorvel {

RecordingWakeTimer::RecordingWakeTimer(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingWakeTimer::ArmWakeTimer(std::chrono::sys_seconds dueUtc)
{
    m_log->Record("ArmWakeTimer", {FormatUtc(dueUtc)});
}

void RecordingWakeTimer::CancelWakeTimer()
{
    m_log->Record("CancelWakeTimer");
}

void RecordingWakeTimer::SetWakeTimerHandler(std::function<void()> fired)
{
    m_fired = std::move(fired);
}

void RecordingWakeTimer::ArmWakeTestTimer(std::chrono::seconds delay)
{
    m_log->Record("ArmWakeTestTimer", {std::to_string(delay.count())});
}

void RecordingWakeTimer::FireWakeTimer() const
{
    if (m_fired) {
        m_fired();
    }
}

}  // namespace quorvel
