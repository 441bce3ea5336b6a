#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <memory>

#include "platform/desktop_lock.h"
#include "platform/linux/logind_manager.h"
#include "platform/power_policy.h"

namespace quorvel {

// Asks for the password on resume by locking the desktop just before the machine sleeps,
// unless it logs on automatically anyway. A logind delay inhibitor holds the sleep back until
// the lock request has gone out.
class LinuxPowerPolicy final : public QObject, public PowerPolicy {
    Q_OBJECT

public:
    LinuxPowerPolicy(LogindManager logind, std::shared_ptr<DesktopLock> lock);
    ~LinuxPowerPolicy() override;

    void ApplyResumePasswordPolicy(bool autoLogon) override;
    // Hibernation storage (swap) is the administrator's business on Linux.
    void ReserveHibernationFile() override {}

private slots:
    void OnPrepareForSleep(bool sleeping);

private:
    void TakeInhibitor();

    LogindManager m_logind;
    std::shared_ptr<DesktopLock> m_lock;
    bool m_lockBeforeSleep = false;
    bool m_listening = false;
    QDBusUnixFileDescriptor m_delay;
};

}  // namespace quorvel
