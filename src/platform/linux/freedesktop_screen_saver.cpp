#include "platform/linux/freedesktop_screen_saver.h"

#include "platform/linux/dbus_call.h"

namespace quorvel {

FreedesktopScreenSaver::FreedesktopScreenSaver(QDBusConnection sessionBus) : m_bus(std::move(sessionBus)) {}

QDBusMessage FreedesktopScreenSaver::Call(const QString& method, const QVariantList& arguments) const
{
    const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
    QDBusMessage reply;
    for (const char* path : {"/org/freedesktop/ScreenSaver", "/ScreenSaver"}) {
        reply = CallDbus(m_bus, service, QString::fromLatin1(path), service, method, arguments);
        const QDBusError error = ErrorOf(reply);
        // Only a path without the object is worth the second try.
        if (error.type() != QDBusError::UnknownObject && error.type() != QDBusError::UnknownMethod &&
            error.type() != QDBusError::UnknownInterface) {
            break;
        }
    }
    return reply;
}

}  // namespace quorvel
