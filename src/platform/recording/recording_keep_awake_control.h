#pragma once

#include <memory>

#include "platform/keep_awake_control.h"
#include "platform/recording/request_log.h"

namespace quorvel {

class RecordingKeepAwakeControl final : public KeepAwakeControl {
public:
    explicit RecordingKeepAwakeControl(std::shared_ptr<RequestLog> log);

    void KeepAwake() override;
    void ClearKeepAwake() override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
