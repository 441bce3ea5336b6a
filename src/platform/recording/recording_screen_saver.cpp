#include "platform/recording/recording_screen_saver.h"

namespace quorvel {

RecordingScreenSaver::RecordingScreenSaver(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingScreenSaver::SetScreenSaver(bool active)
{
    m_log->Record("SetScreenSaver", {active ? "1" : "0"});
}

}  // namespace quorvel
