#pragma once

#include <memory>

#include "platform/desktop_lock.h"
#include "platform/recording/request_log.h"

namespace quorvel {

// Answers true (the request was sent) unless told otherwise.
class RecordingDesktopLock final : public DesktopLock {
public:
    explicit RecordingDesktopLock(std::shared_ptr<RequestLog> log);

    bool LockDesktop() override;

    void SetLockDesktopResult(bool result) { m_result = result; }

private:
    std::shared_ptr<RequestLog> m_log;
    bool m_result = true;
};

}  // namespace quorvel
