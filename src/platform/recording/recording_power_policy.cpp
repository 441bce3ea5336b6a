#include "platform/recording/recording_power_policy.h"

namespace quorvel {

RecordingPowerPolicy::RecordingPowerPolicy(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingPowerPolicy::ApplyResumePasswordPolicy(bool autoLogon)
{
    m_log->Record("ApplyResumePasswordPolicy", {autoLogon ? "1" : "0"});
}

void RecordingPowerPolicy::ReserveHibernationFile()
{
    m_log->Record("ReserveHibernationFile");
}

}  // namespace quorvel
