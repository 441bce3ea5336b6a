#include "platform/recording/recording_power_events.h"

namespace quorvel {

void RecordingPowerEvents::SetResumeHandler(std::function<void(ResumeKind)> resumed)
{
    m_resumed = std::move(resumed);
}

void RecordingPowerEvents::Resume(ResumeKind kind) const
{
    if (m_resumed) {
        m_resumed(kind);
    }
}

}  // namespace quorvel
