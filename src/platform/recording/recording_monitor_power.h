#pragma once

#include <memory>

#include "platform/monitor_power.h"
#include "platform/recording/request_log.h"

namespace quorvel {

class RecordingMonitorPower final : public MonitorPower {
public:
    explicit RecordingMonitorPower(std::shared_ptr<RequestLog> log);

    void TurnMonitorOff() override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
