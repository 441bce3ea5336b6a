#include "platform/recording/recording_autostart.h"

namespace quorvel {

RecordingAutostart::RecordingAutostart(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingAutostart::SetAutostart(const std::string& executablePath)
{
    m_log->Record("SetAutostart", {executablePath});
    m_command = executablePath;
}

void RecordingAutostart::ClearAutostart()
{
    m_log->Record("ClearAutostart");
    m_command.clear();
}

}  // namespace quorvel
