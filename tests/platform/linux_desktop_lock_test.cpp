#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/linux/linux_power_backend.h"
#include "support/mocked_desktop.h"

namespace quorvel {
namespace {

using Calls = std::vector<std::string>;

const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");

class DesktopLockAndScreenSaver : public MockedDesktop {
protected:
    // The screen saver service under one of the two paths desktops use.
    std::unique_ptr<DbusMock> StartScreenSaver(const QString& path)
    {
        std::unique_ptr<DbusMock> mock = StartSessionService(kScreenSaver, path, kScreenSaver);
        if (mock) {
            mock->AddMethod(path, kScreenSaver, QStringLiteral("Lock"), {}, {});
            mock->AddMethod(path, kScreenSaver, QStringLiteral("Inhibit"), QStringLiteral("ss"),
                            QStringLiteral("u"), QStringLiteral("ret = 42"));
            mock->AddMethod(path, kScreenSaver, QStringLiteral("UnInhibit"), QStringLiteral("u"), {});
        }
        return mock;
    }
};

TEST_F(DesktopLockAndScreenSaver, LockGoesToOurLogindSession)
{
    LinuxPowerBackend backend(PowerSetup());
    EXPECT_TRUE(backend.desktopLock->LockDesktop());
    EXPECT_EQ(ManagerCalls(), (Calls{"GetSession c1"}));
    EXPECT_EQ(SessionCalls(), (Calls{"Lock"}));
}

TEST_F(DesktopLockAndScreenSaver, WithoutASessionTheScreenSaverLocks)
{
    const QString path = QStringLiteral("/ScreenSaver");
    std::unique_ptr<DbusMock> screenSaver = StartScreenSaver(path);
    ASSERT_TRUE(screenSaver);
    LinuxPowerSetup setup = PowerSetup();
    setup.sessionId = QStringLiteral("gone");  // logind names a path where no session is
    EXPECT_TRUE(LinuxPowerBackend(setup).desktopLock->LockDesktop());
    EXPECT_EQ(screenSaver->Calls(path), (Calls{"Lock"}));
}

TEST_F(DesktopLockAndScreenSaver, NothingToLockWithReportsFalse)
{
    LinuxPowerSetup setup = PowerSetup();
    setup.sessionId = QStringLiteral("gone");
    EXPECT_FALSE(LinuxPowerBackend(setup).desktopLock->LockDesktop());
}

TEST_F(DesktopLockAndScreenSaver, ScreenSaverOffHoldsOneCookieUntilOnAgain)
{
    const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");
    std::unique_ptr<DbusMock> screenSaver = StartScreenSaver(path);
    ASSERT_TRUE(screenSaver);
    {
        LinuxPowerBackend backend(PowerSetup());
        backend.screenSaver->SetScreenSaver(false);
        backend.screenSaver->SetScreenSaver(false);
        backend.screenSaver->SetScreenSaver(true);
        backend.screenSaver->SetScreenSaver(true);
        EXPECT_EQ(screenSaver->Calls(path),
                  (Calls{"Inhibit Quorvel The screen saver is switched off", "UnInhibit 42"}));

        screenSaver->ClearCalls(path);
        backend.screenSaver->SetScreenSaver(false);
    }
    EXPECT_EQ(screenSaver->Calls(path),
              (Calls{"Inhibit Quorvel The screen saver is switched off", "UnInhibit 42"}))
        << "the program's end switches it on again";
}

}  // namespace
}  // namespace quorvel
