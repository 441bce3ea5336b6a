#include "platform/linux/linux_sleep_control.h"

#include <QDebug>

#include "platform/linux/dbus_call.h"

namespace quorvel {

LinuxSleepControl::LinuxSleepControl(LogindManager logind) : m_logind(std::move(logind)) {}

void LinuxSleepControl::Suspend()
{
    Request(QStringLiteral("Suspend"));
}

void LinuxSleepControl::Hibernate()
{
    Request(QStringLiteral("Hibernate"));
}

void LinuxSleepControl::Request(const QString& method)
{
    if (const QDBusError error = ErrorOf(m_logind.Call(method, {false})); error.isValid()) {
        // Nothing for the user, but a reason in the terminal of whoever wonders why.
        qWarning().noquote() << method << "was refused:" << OneLineMessage(error);
    }
}

}  // namespace quorvel
