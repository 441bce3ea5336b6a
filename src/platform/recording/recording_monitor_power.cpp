#include "platform/recording/recording_monitor_power.h"

namespace quorvel {

RecordingMonitorPower::RecordingMonitorPower(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingMonitorPower::TurnMonitorOff()
{
    m_log->Record("TurnMonitorOff");
}

}  // namespace quorvel
