#include "platform/recording/recording_clock_sync.h"

namespace quorvel {

RecordingClockSync::RecordingClockSync(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingClockSync::StartClockSync(const std::string& server)
{
    m_log->Record("StartClockSync", {server});
}

}  // namespace quorvel
