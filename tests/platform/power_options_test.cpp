#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "core/io/atomic_file.h"
#include "platform/linux/linux_power_options.h"
#include "platform/linux/power_settings_commands.h"
#include "support/qt_test_application.h"

namespace quorvel {
namespace {

struct DesktopCase {
    const char* desktop;
    const char* firstProgram;
    const char* firstArgument;  // empty: none
};

class PowerSettingsFor : public testing::TestWithParam<DesktopCase> {};

TEST_P(PowerSettingsFor, StartsWithTheDesktopsOwnAndKeepsTheRest)
{
    const QList<ProgramCommand> commands = PowerSettingsCommands(QString::fromLatin1(GetParam().desktop));
    ASSERT_FALSE(commands.isEmpty());
    EXPECT_EQ(commands.front().program, QString::fromLatin1(GetParam().firstProgram));
    const QStringList arguments = *GetParam().firstArgument
                                      ? QStringList{QString::fromLatin1(GetParam().firstArgument)}
                                      : QStringList{};
    EXPECT_EQ(commands.front().arguments, arguments);
    EXPECT_EQ(commands.size(), PowerSettingsCommands({}).size())
        << "every known program stays a fallback, once";
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, PowerSettingsFor,
    testing::Values(DesktopCase{"GNOME", "gnome-control-center", "power"},
                    DesktopCase{"ubuntu:GNOME", "gnome-control-center", "power"},
                    DesktopCase{"KDE", "systemsettings", "kcm_powerdevilprofilesconfig"},
                    DesktopCase{"XFCE", "xfce4-power-manager-settings", ""},
                    DesktopCase{"xfce", "xfce4-power-manager-settings", ""},
                    DesktopCase{"MATE", "mate-power-preferences", ""},
                    DesktopCase{"X-Cinnamon", "cinnamon-settings", "power"},
                    DesktopCase{"LXQt", "lxqt-config-powermanagement", ""},
                    DesktopCase{"Unknown:KDE", "systemsettings", "kcm_powerdevilprofilesconfig"},
                    DesktopCase{"", "gnome-control-center", "power"}),
    [](const testing::TestParamInfo<DesktopCase>& c) {
        const QString name =
            QString::fromLatin1(c.param.desktop).remove(QLatin1Char(':')).remove(QLatin1Char('-'));
        return name.isEmpty() ? std::string("None") : name.toStdString();
    });

class OpenPowerSettings : public testing::Test {
protected:
    void SetUp() override { EnsureQtApplication(); }

    // A stand-in on the search path that writes down how it was started.
    void FakeProgram(const char* name)
    {
        // Written aside and moved in place, so the test never reads half of it.
        const std::string started = m_dir.filePath(QStringLiteral("started")).toStdString();
        const std::string script = "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '" + started +
                                   ".part' && mv '" + started + ".part' '" + started + "'\n";
        ASSERT_EQ(WriteFileAtomically(m_dir.filePath(QLatin1String(name)).toStdString(), script, 0700), "");
    }

    std::string Started()
    {
        std::string text;
        const std::string started = m_dir.filePath(QStringLiteral("started")).toStdString();
        if (!QTest::qWaitFor([&] { return ReadWholeFile(started, text); }, 5000)) {
            return "<nothing started>";
        }
        return text;
    }

    QTemporaryDir m_dir;
};

TEST_F(OpenPowerSettings, StartsTheDesktopsProgramWithItsArguments)
{
    FakeProgram("systemsettings");
    FakeProgram("gnome-control-center");
    LinuxPowerOptions(QStringLiteral("KDE"), {m_dir.path()}).OpenPowerOptions();
    EXPECT_EQ(Started(), m_dir.filePath(QStringLiteral("systemsettings")).toStdString() +
                             "\nkcm_powerdevilprofilesconfig\n");
}

TEST_F(OpenPowerSettings, FallsBackToAnotherDesktopsProgram)
{
    FakeProgram("gnome-control-center");
    LinuxPowerOptions(QStringLiteral("XFCE"), {m_dir.path()}).OpenPowerOptions();
    EXPECT_EQ(Started(), m_dir.filePath(QStringLiteral("gnome-control-center")).toStdString() + "\npower\n");
}

TEST_F(OpenPowerSettings, NoProgramAtAllStartsNothing)
{
    LinuxPowerOptions(QStringLiteral("GNOME"), {m_dir.path()}).OpenPowerOptions();
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("started"))));
}

}  // namespace
}  // namespace quorvel
