#pragma once

#include <memory>

#include "platform/recording/request_log.h"
#include "platform/session_control.h"

namespace quorvel {

class RecordingSessionControl final : public SessionControl {
public:
    explicit RecordingSessionControl(std::shared_ptr<RequestLog> log);

    void LogOffSession() override;
    void RestartSystem() override;
    void RestartSystemForced() override;
    void PowerOffSystem() override;
    void PowerOffSystemForced() override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
