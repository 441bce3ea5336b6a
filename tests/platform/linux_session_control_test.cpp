#include <gtest/gtest.h>
#include <unistd.h>

#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <functional>
#include <string>
#include <vector>

#include "platform/linux/linux_power_backend.h"
#include "support/mocked_desktop.h"

namespace quorvel {
namespace {

using Calls = std::vector<std::string>;
using Operation = std::function<void(SessionControl&)>;

void LogOff(SessionControl& s)
{
    s.LogOffSession();
}
void Restart(SessionControl& s)
{
    s.RestartSystem();
}
void RestartForced(SessionControl& s)
{
    s.RestartSystemForced();
}
void PowerOff(SessionControl& s)
{
    s.PowerOffSystem();
}
void PowerOffForced(SessionControl& s)
{
    s.PowerOffSystemForced();
}

class SessionEnd : public MockedDesktop {
protected:
    // Runs one request through a fresh backend, as the windows will.
    void Run(const Operation& operation)
    {
        LinuxPowerBackend backend(PowerSetup());
        operation(*backend.session);
    }

    // Takes a block inhibitor on the mock as another program would; held while the descriptor
    // is open.
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& mode)
    {
        const QDBusMessage reply =
            Logind().Call(QString::fromLatin1(kManagerPath), QStringLiteral("org.freedesktop.login1.Manager"),
                          QStringLiteral("Inhibit"),
                          {what, QStringLiteral("editor"), QStringLiteral("unsaved work"), mode});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        ClearLogindCalls();
        return reply.arguments().value(0).value<QDBusUnixFileDescriptor>();
    }
};

// Without a desktop session manager every request goes to logind.
struct LogindCase {
    const char* name;
    Operation operation;
    Calls manager;
    Calls session;
};

void PrintTo(const LogindCase& c, std::ostream* out)
{
    *out << c.name;
}

class SessionEndThroughLogind : public SessionEnd, public testing::WithParamInterface<LogindCase> {};

TEST_P(SessionEndThroughLogind, MakesExactlyTheExpectedCalls)
{
    Run(GetParam().operation);
    EXPECT_EQ(ManagerCalls(), GetParam().manager);
    EXPECT_EQ(SessionCalls(), GetParam().session);
    EXPECT_EQ(diagnostics, Calls{});
}

// The mock's logind has no PowerOffWithFlags, as older versions lack it: forced requests fall
// back to the plain method, which ignores inhibitors where polkit allows.
const LogindCase kLogindCases[] = {
    {"LogOff0", LogOff, {"GetSession c1"}, {"Terminate"}},
    {"Restart2", Restart, {"ListInhibitors", "Reboot false"}, {}},
    {"RestartForced6", RestartForced, {"Reboot false"}, {}},
    {"PowerOff9", PowerOff, {"ListInhibitors", "PowerOff false"}, {}},
    {"PowerOffForced13", PowerOffForced, {"PowerOff false"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Flags, SessionEndThroughLogind, testing::ValuesIn(kLogindCases),
                         [](const testing::TestParamInfo<LogindCase>& c) { return c.param.name; });

TEST_F(SessionEnd, ForcedRequestsUseTheFlagMethodsWhereLogindHasThem)
{
    const QString path = QString::fromLatin1(kManagerPath);
    const QString manager = QStringLiteral("org.freedesktop.login1.Manager");
    Logind().AddMethod(path, manager, QStringLiteral("PowerOffWithFlags"), QStringLiteral("t"), {});
    Logind().AddMethod(path, manager, QStringLiteral("RebootWithFlags"), QStringLiteral("t"), {});
    ClearLogindCalls();
    Run(PowerOffForced);
    Run(RestartForced);
    EXPECT_EQ(ManagerCalls(), (Calls{"PowerOffWithFlags 16", "RebootWithFlags 16"}));
}

TEST_F(SessionEnd, BlockInhibitorRefusesPlainRequestsButNotForcedOnes)
{
    const QDBusUnixFileDescriptor held = Inhibit(QStringLiteral("shutdown:sleep"), QStringLiteral("block"));
    Run(PowerOff);
    Run(Restart);
    EXPECT_EQ(ManagerCalls(), (Calls{"ListInhibitors", "ListInhibitors"}));
    EXPECT_EQ(diagnostics, Calls{}) << "a refusal by an application is not reported";

    ClearLogindCalls();
    Run(PowerOffForced);
    EXPECT_EQ(ManagerCalls(), (Calls{"PowerOff false"}));
}

TEST_F(SessionEnd, ARefusedRequestLeavesNothingForTheNext)
{
    const QDBusUnixFileDescriptor held = Inhibit(QStringLiteral("shutdown"), QStringLiteral("block"));
    LinuxPowerBackend backend(PowerSetup());
    backend.session->RestartSystem();
    backend.session->PowerOffSystemForced();
    EXPECT_EQ(ManagerCalls(), (Calls{"ListInhibitors", "PowerOff false"}));
}

TEST_F(SessionEnd, InhibitorsThatOnlyDelayOrCoverSleepDoNotRefuse)
{
    const QDBusUnixFileDescriptor delay = Inhibit(QStringLiteral("shutdown"), QStringLiteral("delay"));
    const QDBusUnixFileDescriptor sleep = Inhibit(QStringLiteral("sleep:idle"), QStringLiteral("block"));
    Run(PowerOff);
    EXPECT_EQ(ManagerCalls(), (Calls{"ListInhibitors", "PowerOff false"}));
}

TEST_F(SessionEnd, LogOffFindsTheSessionByProcessWithoutXdgSessionId)
{
    const QString path = QString::fromLatin1(kManagerPath);
    Logind().AddMethod(path, QStringLiteral("org.freedesktop.login1.Manager"),
                       QStringLiteral("GetSessionByPID"), QStringLiteral("u"), QStringLiteral("o"),
                       QStringLiteral("ret = '/org/freedesktop/login1/session/c1'"));
    ClearLogindCalls();
    LinuxPowerSetup setup = PowerSetup();
    setup.sessionId.clear();
    LinuxPowerBackend(setup).session->LogOffSession();
    EXPECT_EQ(ManagerCalls(), (Calls{"GetSessionByPID " + std::to_string(getpid())}));
    EXPECT_EQ(SessionCalls(), (Calls{"Terminate"}));
}

// A desktop session manager takes the plain requests, so applications may save or refuse;
// logind hears nothing of them. Forced requests still go to logind alone.
struct ManagerMethod {
    const char* name;
    const char* signature;
    std::string expectedCall;
};

struct ManagerCase {
    const char* name;
    const char* service;
    const char* path;
    const char* interface;
    ManagerMethod logOff;
    ManagerMethod restart;
    ManagerMethod powerOff;
};

void PrintTo(const ManagerCase& c, std::ostream* out)
{
    *out << c.name;
}

class SessionEndThroughDesktop : public SessionEnd, public testing::WithParamInterface<ManagerCase> {};

TEST_P(SessionEndThroughDesktop, TakesPlainRequestsAndLeavesForcedOnesToLogind)
{
    const ManagerCase& c = GetParam();
    const QString path = QString::fromLatin1(c.path);
    const QString interface = QString::fromLatin1(c.interface);
    std::unique_ptr<DbusMock> manager = StartSessionService(QString::fromLatin1(c.service), path, interface);
    ASSERT_TRUE(manager);
    for (const ManagerMethod* method : {&c.logOff, &c.restart, &c.powerOff}) {
        manager->AddMethod(path, interface, QString::fromLatin1(method->name),
                           QString::fromLatin1(method->signature), {});
    }

    for (const auto& [operation, method] : {std::pair{Operation(LogOff), &c.logOff},
                                            {Operation(Restart), &c.restart},
                                            {Operation(PowerOff), &c.powerOff}}) {
        manager->ClearCalls(path);
        Run(operation);
        EXPECT_EQ(manager->Calls(path), Calls{method->expectedCall});
    }
    EXPECT_EQ(ManagerCalls(), Calls{});
    EXPECT_EQ(SessionCalls(), Calls{});

    manager->ClearCalls(path);
    Run(PowerOffForced);
    Run(RestartForced);
    EXPECT_EQ(manager->Calls(path), Calls{});
    EXPECT_EQ(ManagerCalls(), (Calls{"PowerOff false", "Reboot false"}));
}

const ManagerCase kManagerCases[] = {
    {"Gnome",
     "org.gnome.SessionManager",
     "/org/gnome/SessionManager",
     "org.gnome.SessionManager",
     {"Logout", "u", "Logout 1"},
     {"Reboot", "", "Reboot"},
     {"Shutdown", "", "Shutdown"}},
    {"Plasma",
     "org.kde.Shutdown",
     "/Shutdown",
     "org.kde.Shutdown",
     {"logout", "", "logout"},
     {"logoutAndReboot", "", "logoutAndReboot"},
     {"logoutAndShutdown", "", "logoutAndShutdown"}},
    {"OlderPlasma",
     "org.kde.ksmserver",
     "/KSMServer",
     "org.kde.KSMServerInterface",
     {"logout", "iii", "logout 0 0 0"},
     {"logout", "iii", "logout 0 1 0"},
     {"logout", "iii", "logout 0 2 0"}},
    {"Xfce",
     "org.xfce.SessionManager",
     "/org/xfce/SessionManager",
     "org.xfce.Session.Manager",
     {"Logout", "bb", "Logout false true"},
     {"Restart", "b", "Restart true"},
     {"Shutdown", "b", "Shutdown true"}},
};

INSTANTIATE_TEST_SUITE_P(Desktops, SessionEndThroughDesktop, testing::ValuesIn(kManagerCases),
                         [](const testing::TestParamInfo<ManagerCase>& c) { return c.param.name; });

TEST_F(SessionEnd, ManagerThatFailsLeavesTheRequestToLogind)
{
    const QString path = QStringLiteral("/org/gnome/SessionManager");
    const QString interface = QStringLiteral("org.gnome.SessionManager");
    std::unique_ptr<DbusMock> gnome = StartSessionService(interface, path, interface);
    ASSERT_TRUE(gnome);
    gnome->AddMethod(path, interface, QStringLiteral("Shutdown"), {}, {},
                     QStringLiteral("raise dbus.exceptions.DBusException('Not in the running phase', "
                                    "name='org.gnome.SessionManager.NotInRunning')"));
    Run(PowerOff);
    EXPECT_EQ(gnome->Calls(path), (Calls{"Shutdown"}));
    EXPECT_EQ(ManagerCalls(), (Calls{"ListInhibitors", "PowerOff false"}));
    EXPECT_EQ(diagnostics, Calls{});
}

TEST_F(SessionEnd, RefusalByPolkitWritesTheAdjustLine)
{
    Logind().AddMethod(
        QString::fromLatin1(kManagerPath), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("PowerOff"), QStringLiteral("b"), {},
        QStringLiteral("raise dbus.exceptions.DBusException('Interactive authentication required.', "
                       "name='org.freedesktop.DBus.Error.InteractiveAuthorizationRequired')"));
    Run(PowerOffForced);
    EXPECT_EQ(diagnostics, (Calls{"Error adjusting process privileges."}));
}

TEST_F(SessionEnd, OtherFailuresWriteTheServicesOwnTextOnOneLine)
{
    // No session of ours: the mock answers GetSessionByPID with its own multi-line traceback.
    LinuxPowerSetup setup = PowerSetup();
    setup.sessionId.clear();
    const QDBusMessage direct =
        Logind().Call(QString::fromLatin1(kManagerPath), QStringLiteral("org.freedesktop.login1.Manager"),
                      QStringLiteral("GetSessionByPID"), {1u});
    ASSERT_EQ(direct.type(), QDBusMessage::ErrorMessage);
    ASSERT_TRUE(direct.errorMessage().contains(QLatin1Char('\n')));

    LinuxPowerBackend(setup).session->LogOffSession();
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics[0],
              "Cannot find privilege value. [" + direct.errorMessage().simplified().toStdString() + "]");
}

TEST_F(SessionEnd, MissingLogindIsNamedInTheLine)
{
    // A bus without logind: the bus daemon itself explains.
    PrivateBus empty;
    ASSERT_FALSE(empty.Address().isEmpty());
    QDBusConnection bus = empty.Connect(QStringLiteral("empty-system"));
    QDBusMessage probe = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QString::fromLatin1(kManagerPath),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    probe << false;
    const QDBusMessage refused = bus.call(probe);
    ASSERT_EQ(refused.type(), QDBusMessage::ErrorMessage);

    LinuxPowerSetup setup = PowerSetup();
    setup.systemBus = bus;
    LinuxPowerBackend(setup).session->PowerOffSystemForced();
    EXPECT_EQ(diagnostics,
              (Calls{"Cannot find privilege value. [" + refused.errorMessage().toStdString() + "]"}));
}

TEST_F(SessionEnd, UnreachableSystemBusIsNamedInTheLine)
{
    LinuxPowerSetup setup = PowerSetup();
    setup.systemBus = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                    QStringLiteral("unreachable-system"));
    ASSERT_FALSE(setup.systemBus.isConnected());
    const std::string why = setup.systemBus.lastError().message().toStdString();
    ASSERT_FALSE(why.empty());
    LinuxPowerBackend(setup).session->PowerOffSystem();
    EXPECT_EQ(diagnostics, (Calls{"Cannot open process token. [" + why + "]"}));
    QDBusConnection::disconnectFromBus(QStringLiteral("unreachable-system"));
}

}  // namespace
}  // namespace quorvel
