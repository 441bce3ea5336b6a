#include "platform/recording/recording_system_clock.h"

#include "platform/recording/utc_text.h"

namespace quorvel {

RecordingSystemClock::RecordingSystemClock(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingSystemClock::SetSystemTime(std::chrono::sys_seconds utc)
{
    m_log->Record("SetSystemTime", {FormatUtc(utc)});
}

}  // namespace quorvel
