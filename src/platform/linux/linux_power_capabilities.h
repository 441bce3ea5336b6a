#pragma once

#include <functional>
#include <string>

#include "platform/linux/logind_manager.h"
#include "platform/power_capabilities.h"

namespace quorvel {

// Reads sysfs and asks logind on every call: swap, firmware settings and polkit rules may have
// changed since the last one.
class LinuxPowerCapabilities final : public PowerCapabilities {
public:
    // `timerWakesFromSuspend` tells whether the wake timer can wake a suspended machine.
    LinuxPowerCapabilities(LogindManager logind, std::string sysfsRoot,
                           std::function<bool()> timerWakesFromSuspend);

    SystemPowerState RtcWake() const override;
    bool CanSuspend() const override;
    bool CanHibernate() const override;

private:
    LogindManager m_logind;
    std::string m_sysfsRoot;
    std::function<bool()> m_timerWakesFromSuspend;
};

}  // namespace quorvel
