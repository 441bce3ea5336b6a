#include "mocked_desktop.h"

#include <QDBusArgument>
#include <QTest>

#include "qt_test_application.h"

namespace quorvel {

void MockedDesktop::SetUp()
{
    EnsureQtApplication();
    m_systemBus = std::make_unique<PrivateBus>();
    m_sessionBus = std::make_unique<PrivateBus>();
    ASSERT_FALSE(m_systemBus->Address().isEmpty()) << m_systemBus->Problem().toStdString();
    ASSERT_FALSE(m_sessionBus->Address().isEmpty()) << m_sessionBus->Problem().toStdString();
    m_systemConnection = m_systemBus->Connect(QStringLiteral("test-system"));
    m_sessionConnection = m_sessionBus->Connect(QStringLiteral("test-session"));
    ASSERT_TRUE(m_systemConnection.isConnected());
    ASSERT_TRUE(m_sessionConnection.isConnected());

    DbusMock::Options options;
    options.busAddress = m_systemBus->Address();
    options.systemBus = true;
    options.templateName = QStringLiteral("logind");
    options.parameters = m_logindParameters;
    m_logind = std::make_unique<DbusMock>(m_systemConnection, options);
    ASSERT_TRUE(m_logind->Problem().isEmpty()) << m_logind->Problem().toStdString();
    m_logind->Call(QString::fromLatin1(kManagerPath), QStringLiteral("org.freedesktop.DBus.Mock"),
                   QStringLiteral("AddSession"),
                   {QStringLiteral("c1"), QStringLiteral("seat0"), 1000u, QStringLiteral("anna"), true});
    ClearLogindCalls();
}

LinuxPowerSetup MockedDesktop::PowerSetup()
{
    LinuxPowerSetup setup;
    setup.systemBus = m_systemConnection;
    setup.sessionBus = m_sessionConnection;
    setup.sessionId = QStringLiteral("c1");
    setup.sysfsRoot = "/nonexistent-sysfs";
    setup.diagnostics = [this](const std::string& line) { diagnostics.push_back(line); };
    return setup;
}

std::vector<std::string> MockedDesktop::ManagerCalls() const
{
    return m_logind->Calls(QString::fromLatin1(kManagerPath));
}

std::vector<std::string> MockedDesktop::SessionCalls() const
{
    return m_logind->Calls(QString::fromLatin1(kSessionPath));
}

void MockedDesktop::ClearLogindCalls()
{
    m_logind->ClearCalls(QString::fromLatin1(kManagerPath));
    m_logind->ClearCalls(QString::fromLatin1(kSessionPath));
}

std::unique_ptr<DbusMock> MockedDesktop::StartSessionService(const QString& service, const QString& path,
                                                             const QString& interface)
{
    DbusMock::Options options;
    options.busAddress = m_sessionBus->Address();
    options.service = service;
    options.path = path;
    options.interface = interface;
    auto mock = std::make_unique<DbusMock>(m_sessionConnection, options);
    if (!mock->Problem().isEmpty()) {
        ADD_FAILURE() << mock->Problem().toStdString();
        return nullptr;
    }
    return mock;
}

}  // namespace quorvel

namespace quorvel {

std::vector<std::string> MockedDesktop::Inhibitors() const
{
    const QDBusMessage reply =
        m_logind->Call(QString::fromLatin1(kManagerPath), QStringLiteral("org.freedesktop.login1.Manager"),
                       QStringLiteral("ListInhibitors"));
    std::vector<std::string> held;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        held.push_back("<ListInhibitors failed>");
        return held;
    }
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString what, who, why, mode;
        uint uid = 0, pid = 0;
        list.beginStructure();
        list >> what >> who >> why >> mode >> uid >> pid;
        list.endStructure();
        held.push_back(QStringList{what, who, why, mode}.join(QLatin1Char(' ')).toStdString());
    }
    list.endArray();
    return held;
}

bool MockedDesktop::WaitForInhibitors(const std::vector<std::string>& expected) const
{
    return QTest::qWaitFor([&] { return Inhibitors() == expected; }, 5000);
}

}  // namespace quorvel
