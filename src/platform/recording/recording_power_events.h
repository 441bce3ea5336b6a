#pragma once

#include "platform/power_events.h"

namespace quorvel {

// Receives no notifications of its own; a test plays a resume with Resume. Listening is no
// request, so nothing is logged. Resumes count as caused by the user unless told otherwise.
class RecordingPowerEvents final : public PowerEvents {
public:
    void SetResumeHandler(std::function<void(ResumeKind)> resumed) override;
    bool IsSystemResumeAutomatic() const override { return m_automatic; }

    void SetSystemResumeAutomatic(bool automatic) { m_automatic = automatic; }

    // Calls the handler on the calling thread.
    void Resume(ResumeKind kind) const;

private:
    std::function<void(ResumeKind)> m_resumed;
    bool m_automatic = false;
};

}  // namespace quorvel
