#include "platform/linux/linux_power_policy.h"

namespace quorvel {

LinuxPowerPolicy::LinuxPowerPolicy(LogindManager logind, std::shared_ptr<DesktopLock> lock)
    : m_logind(std::move(logind)), m_lock(std::move(lock))
{
}

LinuxPowerPolicy::~LinuxPowerPolicy()
{
    if (m_listening) {
        m_logind.DisconnectPrepareForSleep(this, SLOT(OnPrepareForSleep(bool)));
    }
}

void LinuxPowerPolicy::ApplyResumePasswordPolicy(bool autoLogon)
{
    m_lockBeforeSleep = !autoLogon;
    if (!m_lockBeforeSleep) {
        m_delay = QDBusUnixFileDescriptor();
        return;
    }
    if (!m_listening) {
        m_listening = m_logind.ConnectPrepareForSleep(this, SLOT(OnPrepareForSleep(bool)));
    }
    TakeInhibitor();
}

void LinuxPowerPolicy::OnPrepareForSleep(bool sleeping)
{
    if (!m_lockBeforeSleep) {
        return;
    }
    if (!sleeping) {
        // Ready for the next sleep.
        TakeInhibitor();
        return;
    }
    m_lock->LockDesktop();
    // Letting go is what allows the sleep to go on.
    m_delay = QDBusUnixFileDescriptor();
}

void LinuxPowerPolicy::TakeInhibitor()
{
    if (!m_delay.isValid()) {
        m_delay =
            m_logind.Inhibit(QStringLiteral("sleep"), QStringLiteral("Lock the desktop before sleeping"),
                             QStringLiteral("delay"));
    }
}

}  // namespace quorvel
