#pragma once

#include <memory>

#include "platform/clock_sync.h"
#include "platform/recording/request_log.h"

namespace quorvel {

class RecordingClockSync final : public ClockSync {
public:
    explicit RecordingClockSync(std::shared_ptr<RequestLog> log);

    void StartClockSync(const std::string& server) override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
