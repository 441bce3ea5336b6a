#include "platform/linux/linux_desktop_lock.h"

#include <QDBusMessage>

namespace quorvel {

LinuxDesktopLock::LinuxDesktopLock(LogindManager logind, FreedesktopScreenSaver screenSaver)
    : m_logind(std::move(logind)), m_screenSaver(std::move(screenSaver))
{
}

bool LinuxDesktopLock::LockDesktop()
{
    QDBusError error;
    if (m_logind.CallOwnSession(QStringLiteral("Lock"), error).type() == QDBusMessage::ReplyMessage) {
        return true;
    }
    return m_screenSaver.Call(QStringLiteral("Lock")).type() == QDBusMessage::ReplyMessage;
}

}  // namespace quorvel
