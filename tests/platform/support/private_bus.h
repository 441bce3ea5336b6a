#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>

namespace quorvel {

// A D-Bus daemon of the test's own, so nothing reaches the machine's system or session bus.
// Stopped when the object goes.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when the daemon did not start; `Problem` says why.
    const QString& Address() const { return m_address; }
    const QString& Problem() const { return m_problem; }

    // A connection of the test's own to this bus.
    QDBusConnection Connect(const QString& name);

private:
    QProcess m_daemon;
    QString m_address;
    QString m_problem;
    QStringList m_connections;
};

}  // namespace quorvel
