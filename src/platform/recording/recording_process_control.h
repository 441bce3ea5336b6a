#pragma once

#include <memory>

#include "platform/process_control.h"
#include "platform/recording/request_log.h"

namespace quorvel {

// Ends nothing, so KillTask answers false (no process matched) unless told otherwise.
class RecordingProcessControl final : public ProcessControl {
public:
    explicit RecordingProcessControl(std::shared_ptr<RequestLog> log);

    bool KillTask(const std::string& name) override;

    void SetKillTaskResult(bool result) { m_result = result; }

private:
    std::shared_ptr<RequestLog> m_log;
    bool m_result = false;
};

}  // namespace quorvel
