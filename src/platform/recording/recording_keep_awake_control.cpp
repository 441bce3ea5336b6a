#include "platform/recording/recording_keep_awake_control.h"

namespace quorvel {

RecordingKeepAwakeControl::RecordingKeepAwakeControl(std::shared_ptr<RequestLog> log) : m_log(std::move(log))
{
}

void RecordingKeepAwakeControl::KeepAwake()
{
    m_log->Record("KeepAwake");
}
void RecordingKeepAwakeControl::ClearKeepAwake()
{
    m_log->Record("ClearKeepAwake");
}

}  // namespace quorvel
