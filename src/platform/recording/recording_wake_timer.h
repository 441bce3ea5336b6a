#pragma once

#include <memory>

#include "platform/recording/request_log.h"
#include "platform/wake_timer.h"

namespace quorvel {

// Arms nothing; a test reaches the due time with FireWakeTimer.
class RecordingWakeTimer final : public WakeTimer {
public:
    explicit RecordingWakeTimer(std::shared_ptr<RequestLog> log);

    void ArmWakeTimer(std::chrono::sys_seconds dueUtc) override;
    void CancelWakeTimer() override;
    void SetWakeTimerHandler(std::function<void()> fired) override;
    void ArmWakeTestTimer(std::chrono::seconds delay) override;

    // Calls the handler on the calling thread, as if the armed due time had come.
    void FireWakeTimer() const;

private:
    std::shared_ptr<RequestLog> m_log;
    std::function<void()> m_fired;
};

}  // namespace quorvel
