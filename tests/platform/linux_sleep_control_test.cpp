#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/linux/linux_power_backend.h"
#include "support/mocked_desktop.h"

namespace quorvel {
namespace {

using Calls = std::vector<std::string>;

const std::string kKeepAwake = "sleep:idle Quorvel A power-on task has woken the computer block";

class SleepAndKeepAwake : public MockedDesktop {};

TEST_F(SleepAndKeepAwake, SuspendAndHibernateAskLogindWithoutPrompting)
{
    LinuxPowerBackend backend(PowerSetup());
    backend.sleep->Suspend();
    backend.sleep->Hibernate();
    EXPECT_EQ(ManagerCalls(), (Calls{"Suspend false", "Hibernate false"}));
}

TEST_F(SleepAndKeepAwake, KeepAwakeHoldsOneBlockInhibitorUntilCleared)
{
    int screenWakes = 0;
    LinuxPowerSetup setup = PowerSetup();
    LinuxPowerBackend backend(setup);
    // No screen saver service on the session bus: the display is woken directly, once per call.
    backend.keepAwake = std::make_shared<LinuxKeepAwakeControl>(
        LogindManager(setup.systemBus, setup.sessionId), setup.sessionBus,
        [&] {
            ++screenWakes;
            return true;
        },
        [] {});

    backend.keepAwake->KeepAwake();
    backend.keepAwake->KeepAwake();
    EXPECT_EQ(Inhibitors(), Calls{kKeepAwake});
    EXPECT_EQ(screenWakes, 2);

    backend.keepAwake->ClearKeepAwake();
    EXPECT_TRUE(WaitForInhibitors({})) << "still held: " << testing::PrintToString(Inhibitors());
    backend.keepAwake->ClearKeepAwake();

    backend.keepAwake->KeepAwake();
    EXPECT_EQ(Inhibitors(), Calls{kKeepAwake}) << "held again after a clear";
}

TEST_F(SleepAndKeepAwake, DisplayIsWokenThroughTheScreenSaverWhereItRuns)
{
    const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");
    const QString interface = QStringLiteral("org.freedesktop.ScreenSaver");
    std::unique_ptr<DbusMock> screenSaver = StartSessionService(interface, path, interface);
    ASSERT_TRUE(screenSaver);
    screenSaver->AddMethod(path, interface, QStringLiteral("SimulateUserActivity"), {}, {});

    int directWakes = 0;
    int ownActivity = 0;
    LinuxPowerSetup setup = PowerSetup();
    LinuxKeepAwakeControl keepAwake(
        LogindManager(setup.systemBus, setup.sessionId), setup.sessionBus,
        [&] {
            ++directWakes;
            return true;
        },
        [&] { ++ownActivity; });
    keepAwake.KeepAwake();
    EXPECT_EQ(screenSaver->Calls(path), Calls{"SimulateUserActivity"});
    EXPECT_EQ(directWakes, 0);
    EXPECT_EQ(ownActivity, 1) << "the input watcher must learn that this was not the user";
}

TEST_F(SleepAndKeepAwake, GnomeAlsoGetsASuspendInhibitorReleasedWithTheOther)
{
    const QString path = QStringLiteral("/org/gnome/SessionManager");
    const QString interface = QStringLiteral("org.gnome.SessionManager");
    std::unique_ptr<DbusMock> gnome = StartSessionService(interface, path, interface);
    ASSERT_TRUE(gnome);
    gnome->AddMethod(path, interface, QStringLiteral("Inhibit"), QStringLiteral("susu"), QStringLiteral("u"),
                     QStringLiteral("ret = 77"));
    gnome->AddMethod(path, interface, QStringLiteral("Uninhibit"), QStringLiteral("u"), {});

    LinuxPowerBackend backend(PowerSetup());
    backend.keepAwake->KeepAwake();
    backend.keepAwake->KeepAwake();
    backend.keepAwake->ClearKeepAwake();
    EXPECT_EQ(gnome->Calls(path),
              (Calls{"Inhibit Quorvel 0 A power-on task has woken the computer 4", "Uninhibit 77"}));
}

}  // namespace
}  // namespace quorvel
