#include "platform/linux/linux_screen_saver.h"

#include <QDBusMessage>

#include "core/app_info.h"

namespace quorvel {

LinuxScreenSaver::LinuxScreenSaver(FreedesktopScreenSaver screenSaver) : m_screenSaver(std::move(screenSaver))
{
}

LinuxScreenSaver::~LinuxScreenSaver()
{
    // The desktop drops the cookie with our connection anyway; say so while we can.
    SetScreenSaver(true);
}

void LinuxScreenSaver::SetScreenSaver(bool active)
{
    if (active) {
        if (m_cookie) {
            m_screenSaver.Call(QStringLiteral("UnInhibit"), {*m_cookie});
            m_cookie.reset();
        }
        return;
    }
    if (m_cookie) {
        return;
    }
    const QDBusMessage reply = m_screenSaver.Call(
        QStringLiteral("Inhibit"),
        {QString::fromLatin1(kProductName), QStringLiteral("The screen saver is switched off")});
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
        m_cookie = reply.arguments().constFirst().toUInt();
    }
}

}  // namespace quorvel
