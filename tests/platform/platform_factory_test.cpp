#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "core/io/atomic_file.h"
#include "platform/linux/linux_power_backend.h"
#include "platform/platform_factory.h"
#include "platform/recording/recording_backend.h"
#include "support/private_bus.h"
#include "support/qt_test_application.h"

namespace quorvel {
namespace {

LocalMoment FixedMoment()
{
    return LocalMoment{Date{2024, 6, 1}, TimeOfDay{12, 30, 0}, 250};
}

TEST(PlatformFactory, RecordingChoiceAppendsRequestsToTheGivenFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("dry.log")).toStdString();
    const PlatformBuild build = BuildPlatformServices({PlatformBackend::Recording, path}, FixedMoment);
    ASSERT_TRUE(build.services) << build.error;
    build.services->session->PowerOffSystemForced();
    build.services->wakeTimer->CancelWakeTimer();

    std::string contents;
    ASSERT_TRUE(ReadWholeFile(path, contents));
    EXPECT_EQ(contents,
              "2024-06-01T12:30:00.250 PowerOffSystemForced\n"
              "2024-06-01T12:30:00.250 CancelWakeTimer\n");
}

TEST(PlatformFactory, UnopenableFileGivesAMessageNamingIt)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("no/such/folder/dry.log")).toStdString();
    const PlatformBuild build = BuildPlatformServices({PlatformBackend::Recording, path}, FixedMoment);
    EXPECT_FALSE(build.services);
    EXPECT_NE(build.error.find(path), std::string::npos) << build.error;
}

void ExpectFullSet(const PlatformServices& s)
{
    EXPECT_TRUE(s.session && s.sleep && s.powerCapabilities && s.keepAwake && s.powerEvents && s.wakeTimer &&
                s.powerPolicy && s.privileges && s.screenSaver && s.desktopLock && s.monitorPower &&
                s.powerOptions && s.launcher && s.processControl && s.systemClock && s.macroReplayer &&
                s.macroRecorder && s.dialUp && s.autostart && s.autoLogon && s.langManagerStore);
}

TEST(PlatformFactory, RecordingChoiceCarriesNothingOut)
{
    const PlatformBuild build = BuildPlatformServices({PlatformBackend::Recording, {}}, FixedMoment);
    ASSERT_TRUE(build.services) << build.error;
    ExpectFullSet(*build.services);
    EXPECT_TRUE(std::dynamic_pointer_cast<RecordingSessionControl>(build.services->session));
    EXPECT_TRUE(std::dynamic_pointer_cast<RecordingWakeTimer>(build.services->wakeTimer));
}

// The Linux choice talks to the buses of the environment: here private ones, so the machine's
// own services never hear of the test. Building sends nothing.
TEST(PlatformFactory, LinuxChoiceCarriesPowerRequestsOut)
{
    EnsureQtApplication();
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty()) << bus.Problem().toStdString();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.Address().toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().toUtf8());

    const PlatformBuild build = BuildPlatformServices({PlatformBackend::Linux, {}}, FixedMoment);
    ASSERT_TRUE(build.services) << build.error;
    ExpectFullSet(*build.services);
    EXPECT_TRUE(std::dynamic_pointer_cast<LinuxSessionControl>(build.services->session));
    EXPECT_TRUE(std::dynamic_pointer_cast<LinuxSleepControl>(build.services->sleep));
    EXPECT_TRUE(std::dynamic_pointer_cast<LinuxWakeTimer>(build.services->wakeTimer));
    EXPECT_TRUE(std::dynamic_pointer_cast<LinuxDesktopLock>(build.services->desktopLock));
    EXPECT_TRUE(std::dynamic_pointer_cast<LinuxPowerEvents>(build.services->powerEvents));
}

}  // namespace
}  // namespace quorvel
