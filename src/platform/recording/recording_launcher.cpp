#include "platform/recording/recording_launcher.h"

namespace quorvel {

RecordingLauncher::RecordingLauncher(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingLauncher::StartProgram(const std::string& program, const std::string& parameters)
{
    m_log->Record("StartProgram", {program, parameters});
}

void RecordingLauncher::ShellOpen(const std::string& target)
{
    m_log->Record("ShellOpen", {target});
}

}  // namespace quorvel
