#include "dbus_mock.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QThread>

namespace quorvel {
namespace {

const QString kMockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

std::string Text(const QVariant& value)
{
    if (value.userType() == QMetaType::Bool) {
        return value.toBool() ? "true" : "false";
    }
    if (value.userType() == qMetaTypeId<QDBusObjectPath>()) {
        return value.value<QDBusObjectPath>().path().toStdString();
    }
    return value.toString().toStdString();
}

}  // namespace

DbusMock::DbusMock(QDBusConnection bus, const Options& options) : m_bus(std::move(bus))
{
    QStringList arguments{QStringLiteral("-m"), QStringLiteral("dbusmock"),
                          options.systemBus ? QStringLiteral("--system") : QStringLiteral("--session")};
    if (!options.templateName.isEmpty()) {
        arguments << QStringLiteral("--template") << options.templateName;
        m_service = options.templateName == QLatin1String("logind") ? QStringLiteral("org.freedesktop.login1")
                                                                    : options.service;
    } else {
        arguments << options.service << options.path << options.interface;
        m_service = options.service;
    }
    if (!options.parameters.isEmpty()) {
        arguments << QStringLiteral("--parameters") << options.parameters;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), options.busAddress);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), options.busAddress);
    m_process.setProcessEnvironment(environment);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!m_process.waitForStarted(5000)) {
        m_problem = QStringLiteral("python3 did not start: ") + m_process.errorString();
        return;
    }
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (m_bus.interface()->isServiceRegistered(m_service).value()) {
            return;
        }
        if (m_process.state() != QProcess::Running) {
            m_problem =
                QStringLiteral("dbusmock ended: ") + QString::fromUtf8(m_process.readAllStandardError());
            return;
        }
        QThread::msleep(20);
    }
    m_problem = QStringLiteral("dbusmock did not claim ") + m_service;
}

DbusMock::~DbusMock()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QDBusMessage DbusMock::Call(const QString& path, const QString& interface, const QString& method,
                            const QVariantList& arguments) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(m_service, path, interface, method);
    call.setArguments(arguments);
    return m_bus.call(call, QDBus::Block, 10000);
}

QDBusMessage DbusMock::MockCall(const QString& path, const QString& method,
                                const QVariantList& arguments) const
{
    return Call(path, kMockInterface, method, arguments);
}

void DbusMock::AddMethod(const QString& path, const QString& interface, const QString& name,
                         const QString& in, const QString& out, const QString& code)
{
    MockCall(path, QStringLiteral("AddMethod"), {interface, name, in, out, code});
}

std::vector<std::string> DbusMock::Calls(const QString& path) const
{
    const QDBusMessage reply = MockCall(path, QStringLiteral("GetCalls"), {});
    std::vector<std::string> calls;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        calls.push_back("<GetCalls failed: " + reply.errorMessage().toStdString() + ">");
        return calls;
    }
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        qulonglong stamp = 0;
        QString method;
        list.beginStructure();
        list >> stamp >> method;
        std::string call = method.toStdString();
        list.beginArray();
        while (!list.atEnd()) {
            QDBusVariant argument;
            list >> argument;
            call += " " + Text(argument.variant());
        }
        list.endArray();
        list.endStructure();
        calls.push_back(call);
    }
    list.endArray();
    return calls;
}

void DbusMock::ClearCalls(const QString& path)
{
    MockCall(path, QStringLiteral("ClearCalls"), {});
}

void DbusMock::EmitSignal(const QString& path, const QString& interface, const QString& name,
                          const QString& signature, const QVariantList& arguments)
{
    // A variant list goes out as "av", which is what the mock takes.
    MockCall(path, QStringLiteral("EmitSignal"), {interface, name, signature, QVariant(arguments)});
}

}  // namespace quorvel
