#include "platform/linux/linux_power_capabilities.h"

#include "platform/linux/sysfs_power_info.h"
#include "platform/linux/timer_wake_depth.h"

namespace quorvel {
namespace {

// "challenge" would need a password prompt, which our non-interactive requests never get.
bool Allowed(const QString& answer)
{
    return answer == QLatin1String("yes");
}

}  // namespace

LinuxPowerCapabilities::LinuxPowerCapabilities(LogindManager logind, std::string sysfsRoot,
                                               std::function<bool()> timerWakesFromSuspend)
    : m_logind(std::move(logind)),
      m_sysfsRoot(std::move(sysfsRoot)),
      m_timerWakesFromSuspend(std::move(timerWakesFromSuspend))
{
}

SystemPowerState LinuxPowerCapabilities::RtcWake() const
{
    TimerWakeFacts facts;
    facts.sysfs = ReadSysfsPowerInfo(m_sysfsRoot);
    if (!facts.sysfs.rtcAlarm) {
        return SystemPowerState::Unspecified;
    }
    facts.canSuspend = CanSuspend();
    facts.canHibernate = CanHibernate();
    facts.timerWakesFromSuspend = m_timerWakesFromSuspend && m_timerWakesFromSuspend();
    return DeepestTimerWake(facts);
}

bool LinuxPowerCapabilities::CanSuspend() const
{
    return ReadSysfsPowerInfo(m_sysfsRoot).suspendToRam &&
           Allowed(m_logind.Can(QStringLiteral("CanSuspend")));
}

bool LinuxPowerCapabilities::CanHibernate() const
{
    return ReadSysfsPowerInfo(m_sysfsRoot).hibernation &&
           Allowed(m_logind.Can(QStringLiteral("CanHibernate")));
}

}  // namespace quorvel
