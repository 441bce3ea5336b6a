#include "platform/recording/recording_session_control.h"

namespace quorvel {

RecordingSessionControl::RecordingSessionControl(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingSessionControl::LogOffSession()
{
    m_log->Record("LogOffSession");
}
void RecordingSessionControl::RestartSystem()
{
    m_log->Record("RestartSystem");
}
void RecordingSessionControl::RestartSystemForced()
{
    m_log->Record("RestartSystemForced");
}
void RecordingSessionControl::PowerOffSystem()
{
    m_log->Record("PowerOffSystem");
}
void RecordingSessionControl::PowerOffSystemForced()
{
    m_log->Record("PowerOffSystemForced");
}

}  // namespace quorvel
