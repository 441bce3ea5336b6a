#include "platform/recording/recording_desktop_lock.h"

namespace quorvel {

RecordingDesktopLock::RecordingDesktopLock(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

bool RecordingDesktopLock::LockDesktop()
{
    m_log->Record("LockDesktop");
    return m_result;
}

}  // namespace quorvel
