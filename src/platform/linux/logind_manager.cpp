#include "platform/linux/logind_manager.h"

#include <unistd.h>

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QStringList>

#include "core/app_info.h"
#include "platform/linux/dbus_call.h"

namespace quorvel {
namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSession = QStringLiteral("org.freedesktop.login1.Session");

QString PathOf(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return reply.arguments().constFirst().value<QDBusObjectPath>().path();
}

bool ListCovers(const QString& list, const QString& what)
{
    return list.split(QLatin1Char(':'), Qt::SkipEmptyParts).contains(what);
}

}  // namespace

LogindManager::LogindManager(QDBusConnection systemBus, QString ownSessionId)
    : m_bus(std::move(systemBus)), m_ownSessionId(std::move(ownSessionId))
{
}

bool LogindManager::IsReachable(QString& why) const
{
    if (m_bus.isConnected()) {
        return true;
    }
    why = OneLineMessage(m_bus.lastError());
    if (why.isEmpty()) {
        why = QStringLiteral("not connected to the system bus");
    }
    return false;
}

QDBusMessage LogindManager::Call(const QString& method, const QVariantList& arguments) const
{
    return CallDbus(m_bus, kService, kPath, kManager, method, arguments);
}

QString LogindManager::OwnSessionPath(QDBusError& error) const
{
    if (!m_ownSessionId.isEmpty()) {
        const QDBusMessage reply = Call(QStringLiteral("GetSession"), {m_ownSessionId});
        if (const QString path = PathOf(reply); !path.isEmpty()) {
            return path;
        }
        error = ErrorOf(reply);
    }
    const QDBusMessage reply = Call(QStringLiteral("GetSessionByPID"), {static_cast<uint>(getpid())});
    if (const QString path = PathOf(reply); !path.isEmpty()) {
        return path;
    }
    // The first error says more when XDG_SESSION_ID was set: that is the lookup that should
    // have worked.
    if (!error.isValid()) {
        error = ErrorOf(reply);
    }
    return {};
}

QDBusMessage LogindManager::CallOwnSession(const QString& method, QDBusError& error) const
{
    const QString path = OwnSessionPath(error);
    if (path.isEmpty()) {
        return {};
    }
    const QDBusMessage reply = CallDbus(m_bus, kService, path, kSession, method);
    error = ErrorOf(reply);
    return reply;
}

QString LogindManager::Can(const QString& method) const
{
    const QDBusMessage reply = Call(method);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return reply.arguments().constFirst().toString();
}

bool LogindManager::IsBlocked(const QString& what) const
{
    const QDBusMessage reply = Call(QStringLiteral("ListInhibitors"));
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
        const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
        bool blocked = false;
        list.beginArray();
        while (!list.atEnd()) {
            QString inhibited, who, why, mode;
            uint uid = 0, pid = 0;
            list.beginStructure();
            list >> inhibited >> who >> why >> mode >> uid >> pid;
            list.endStructure();
            blocked = blocked || (mode == QLatin1String("block") && ListCovers(inhibited, what));
        }
        list.endArray();
        return blocked;
    }
    // Older or trimmed-down managers may only offer the summary property.
    const QDBusMessage property =
        CallDbus(m_bus, kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                 QStringLiteral("Get"), {kManager, QStringLiteral("BlockInhibited")});
    if (property.type() != QDBusMessage::ReplyMessage || property.arguments().isEmpty()) {
        return false;
    }
    return ListCovers(property.arguments().constFirst().value<QDBusVariant>().variant().toString(), what);
}

QDBusUnixFileDescriptor LogindManager::Inhibit(const QString& what, const QString& why,
                                               const QString& mode) const
{
    const QDBusMessage reply =
        Call(QStringLiteral("Inhibit"), {what, QString::fromLatin1(kProductName), why, mode});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
}

bool LogindManager::ConnectPrepareForSleep(QObject* receiver, const char* slot) const
{
    QDBusConnection bus = m_bus;
    return bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), receiver, slot);
}

void LogindManager::DisconnectPrepareForSleep(QObject* receiver, const char* slot) const
{
    QDBusConnection bus = m_bus;
    bus.disconnect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), receiver, slot);
}

}  // namespace quorvel
