#pragma once

#include <memory>

#include "platform/recording/request_log.h"
#include "platform/system_clock.h"

namespace quorvel {

class RecordingSystemClock final : public SystemClock {
public:
    explicit RecordingSystemClock(std::shared_ptr<RequestLog> log);

    void SetSystemTime(std::chrono::sys_seconds utc) override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
