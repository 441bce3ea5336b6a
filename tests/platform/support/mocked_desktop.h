#pragma once

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "dbus_mock.h"
#include "platform/linux/linux_power_setup.h"
#include "private_bus.h"

namespace quorvel {

// A system bus with python-dbusmock's logind (one session "c1" of user anna) and an empty
// session bus, both private to the test. Services the desktop would run on the session bus are
// started by the test as it needs them.
class MockedDesktop : public testing::Test {
protected:
    static constexpr const char* kManagerPath = "/org/freedesktop/login1";
    static constexpr const char* kSessionPath = "/org/freedesktop/login1/session/c1";

    void SetUp() override;

    // The logind template's parameters (JSON), before SetUp starts it.
    void SetLogindParameters(QString json) { m_logindParameters = std::move(json); }

    // Everything pointed at the mocks; diagnostic lines land in `diagnostics`.
    LinuxPowerSetup PowerSetup();

    DbusMock& Logind() { return *m_logind; }
    std::vector<std::string> ManagerCalls() const;
    std::vector<std::string> SessionCalls() const;
    void ClearLogindCalls();

    // The inhibitors logind holds, as "what who why mode".
    std::vector<std::string> Inhibitors() const;
    // Waits a little for logind to notice that inhibitors were let go.
    bool WaitForInhibitors(const std::vector<std::string>& expected) const;

    // A bare mock object on the session bus; null (and a test failure) when it does not start.
    std::unique_ptr<DbusMock> StartSessionService(const QString& service, const QString& path,
                                                  const QString& interface);

    QDBusConnection& SystemBus() { return m_systemConnection; }
    QDBusConnection& SessionBus() { return m_sessionConnection; }

    std::vector<std::string> diagnostics;

private:
    std::unique_ptr<PrivateBus> m_systemBus;
    std::unique_ptr<PrivateBus> m_sessionBus;
    QDBusConnection m_systemConnection{QString()};
    QDBusConnection m_sessionConnection{QString()};
    std::unique_ptr<DbusMock> m_logind;
    QString m_logindParameters;
};

}  // namespace quorvel
