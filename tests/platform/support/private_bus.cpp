#include "private_bus.h"

namespace quorvel {

PrivateBus::PrivateBus()
{
    m_daemon.setStandardErrorFile(QProcess::nullDevice());
    m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                   QStringLiteral("--print-address")});
    if (!m_daemon.waitForStarted(5000)) {
        m_problem = QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString();
        return;
    }
    QByteArray printed;
    while (!printed.contains('\n') && m_daemon.waitForReadyRead(5000)) {
        printed += m_daemon.readAllStandardOutput();
    }
    m_address = QString::fromUtf8(printed).trimmed();
    if (m_address.isEmpty()) {
        m_problem = QStringLiteral("dbus-daemon printed no address");
    }
}

PrivateBus::~PrivateBus()
{
    for (const QString& name : m_connections) {
        QDBusConnection::disconnectFromBus(name);
    }
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(3000)) {
        m_daemon.kill();
        m_daemon.waitForFinished(3000);
    }
}

QDBusConnection PrivateBus::Connect(const QString& name)
{
    m_connections.append(name);
    return QDBusConnection::connectToBus(m_address, name);
}

}  // namespace quorvel
