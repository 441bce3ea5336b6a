#include "platform/recording/recording_power_options.h"

namespace quorvel {

RecordingPowerOptions::RecordingPowerOptions(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingPowerOptions::OpenPowerOptions()
{
    m_log->Record("OpenPowerOptions");
}

}  // namespace quorvel
