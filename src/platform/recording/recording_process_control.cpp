#include "platform/recording/recording_process_control.h"

namespace quorvel {

RecordingProcessControl::RecordingProcessControl(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

bool RecordingProcessControl::KillTask(const std::string& name)
{
    m_log->Record("KillTask", {name});
    return m_result;
}

}  // namespace quorvel
