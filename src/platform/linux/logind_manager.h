#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QString>
#include <QVariantList>

class QObject;

namespace quorvel {

// The login manager's main object on the system bus: power requests, inhibitors, sessions and
// the sleep signal. Holds no state of its own, so every service may keep a copy.
class LogindManager {
public:
    // `ownSessionId` is XDG_SESSION_ID of this process, empty when unset.
    LogindManager(QDBusConnection systemBus, QString ownSessionId);

    // False with `why` set when the system bus cannot be reached at all.
    bool IsReachable(QString& why) const;

    QDBusMessage Call(const QString& method, const QVariantList& arguments = {}) const;

    // The object path of the session this process belongs to: the one XDG_SESSION_ID names, else
    // the one logind finds for our process. Empty with `error` set when neither is known.
    QString OwnSessionPath(QDBusError& error) const;
    QDBusMessage CallOwnSession(const QString& method, QDBusError& error) const;

    // "yes", "no", "challenge" or "na" as logind answers CanSuspend and its kin; empty when it
    // does not answer.
    QString Can(const QString& method) const;

    // True when another program holds a block inhibitor on `what` ("shutdown", "sleep"), so a
    // request that honours inhibitors must not be made.
    bool IsBlocked(const QString& what) const;

    // A held inhibitor: logind keeps it while the descriptor is open. Invalid when refused.
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& why, const QString& mode) const;

    // Calls `slot(bool)` of `receiver` with each PrepareForSleep signal: true before sleeping,
    // false after waking up.
    bool ConnectPrepareForSleep(QObject* receiver, const char* slot) const;
    void DisconnectPrepareForSleep(QObject* receiver, const char* slot) const;

private:
    QDBusConnection m_bus;
    QString m_ownSessionId;
};

}  // namespace quorvel
