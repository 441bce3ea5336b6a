#include "platform/linux/dbus_call.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>

namespace quorvel {
namespace {

constexpr int kCallTimeoutMs = 5000;

}  // namespace

QDBusMessage CallDbus(const QDBusConnection& bus, const QString& service, const QString& path,
                      const QString& interface, const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, kCallTimeoutMs);
}

QDBusError ErrorOf(const QDBusMessage& reply)
{
    return reply.type() == QDBusMessage::ErrorMessage ? QDBusError(reply) : QDBusError();
}

QString OneLineMessage(const QDBusError& error)
{
    QString text = error.message().simplified();
    return text.isEmpty() ? error.name() : text;
}

bool IsRefusal(const QDBusError& error)
{
    static const QString kRefusals[] = {
        QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
        QStringLiteral("org.freedesktop.DBus.Error.AuthFailed"),
        QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"),
    };
    for (const QString& refusal : kRefusals) {
        if (error.name() == refusal) {
            return true;
        }
    }
    return false;
}

bool HasOwner(const QDBusConnection& bus, const QString& service)
{
    if (!bus.isConnected() || bus.interface() == nullptr) {
        return false;
    }
    const QDBusReply<bool> owned = bus.interface()->isServiceRegistered(service);
    return owned.isValid() && owned.value();
}

}  // namespace quorvel
