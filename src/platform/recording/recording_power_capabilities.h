#pragma once

#include "platform/power_capabilities.h"

namespace quorvel {

// Reading capabilities is no request, so nothing is logged. Until told otherwise the machine
// suspends and hibernates, and its clock wakes it from suspend only.
class RecordingPowerCapabilities final : public PowerCapabilities {
public:
    SystemPowerState RtcWake() const override { return m_rtcWake; }
    bool CanSuspend() const override { return m_canSuspend; }
    bool CanHibernate() const override { return m_canHibernate; }

    void SetRtcWake(SystemPowerState state) { m_rtcWake = state; }
    void SetCanSuspend(bool can) { m_canSuspend = can; }
    void SetCanHibernate(bool can) { m_canHibernate = can; }

private:
    SystemPowerState m_rtcWake = SystemPowerState::Sleeping3;
    bool m_canSuspend = true;
    bool m_canHibernate = true;
};

}  // namespace quorvel
