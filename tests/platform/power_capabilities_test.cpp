#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "platform/linux/linux_power_backend.h"
#include "platform/linux/sysfs_power_info.h"
#include "platform/linux/timer_wake_depth.h"
#include "support/mocked_desktop.h"

namespace quorvel {
namespace {

std::string Fixture(const char* name)
{
    return std::string(QUORVEL_TEST_DATA_DIR) + "/sysfs/" + name;
}

std::string Describe(const SysfsPowerInfo& info)
{
    return std::string(info.suspendToRam ? "mem " : "") + (info.hibernation ? "disk " : "") +
           (info.rtcAlarm ? "rtc " : "") + (info.rtcAlarmWritable ? "writable" : "");
}

struct SysfsCase {
    const char* fixture;
    std::string expected;
};

class SysfsTree : public testing::TestWithParam<SysfsCase> {};

TEST_P(SysfsTree, IsReadAsTheKernelMeansIt)
{
    EXPECT_EQ(Describe(ReadSysfsPowerInfo(Fixture(GetParam().fixture))), GetParam().expected);
}

// The test runs as the files' owner, so a present alarm is writable.
INSTANTIATE_TEST_SUITE_P(
    Fixtures, SysfsTree,
    testing::Values(SysfsCase{"no-rtc", "mem disk "}, SysfsCase{"suspend-only", "mem rtc writable"},
                    SysfsCase{"suspend-and-hibernate", "mem disk rtc writable"},
                    SysfsCase{"no-such-tree", ""}),
    [](const testing::TestParamInfo<SysfsCase>& c) {
        return QString::fromLatin1(c.param.fixture).remove(QLatin1Char('-')).toStdString();
    });

TEST(SysfsTree, HibernationCountsOnlyWhereTheMachineStaysOffAfterwards)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("power")));
    const auto write = [&](const char* name, const char* text) {
        QFile file(root.filePath(QStringLiteral("power/") + QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    };
    write("state", "freeze mem disk\n");
    for (const auto& [modes, wakeable] : {std::pair{"[platform] shutdown reboot", true},
                                          {"platform [shutdown] reboot", true},
                                          {"platform shutdown [suspend]", true},
                                          {"platform shutdown [reboot]", false},
                                          {"[test_resume]", false},
                                          {"[disabled]", false},
                                          {"platform shutdown", false}}) {
        write("disk", modes);
        EXPECT_EQ(ReadSysfsPowerInfo(root.path().toStdString()).hibernation, wakeable) << modes;
    }
    write("state", "freeze mem\n");
    write("disk", "[platform] shutdown");
    EXPECT_FALSE(ReadSysfsPowerInfo(root.path().toStdString()).hibernation) << "no disk state offered";
}

struct DepthCase {
    const char* name;
    TimerWakeFacts facts;
    SystemPowerState expected;
};

void PrintTo(const DepthCase& c, std::ostream* out)
{
    *out << c.name;
}

class TimerWake : public testing::TestWithParam<DepthCase> {};

TEST_P(TimerWake, ReachesTheDeepestStateThatCanReallyBeWokenFrom)
{
    EXPECT_EQ(DeepestTimerWake(GetParam().facts), GetParam().expected);
}

constexpr SysfsPowerInfo kEverything{true, true, true, true};
constexpr SysfsPowerInfo kAlarmNotOurs{true, true, true, false};
constexpr SysfsPowerInfo kNoRtc{true, true, false, false};

const DepthCase kDepthCases[] = {
    {"HibernateWithOurAlarm", {kEverything, true, true, false}, SystemPowerState::Hibernate},
    {"HibernateNeedsTheAlarm", {kAlarmNotOurs, true, true, true}, SystemPowerState::Sleeping3},
    {"HibernateRefusedByLogind", {kEverything, true, false, false}, SystemPowerState::Sleeping3},
    {"SuspendByTimer", {kAlarmNotOurs, true, false, true}, SystemPowerState::Sleeping3},
    {"SuspendByAlarm", {{true, false, true, true}, true, false, false}, SystemPowerState::Sleeping3},
    {"NeitherTimerNorAlarm", {kAlarmNotOurs, true, true, false}, SystemPowerState::Unspecified},
    {"NoRtcAtAll", {kNoRtc, true, true, true}, SystemPowerState::Unspecified},
    {"NoSleepAllowed", {kEverything, false, false, true}, SystemPowerState::Unspecified},
    {"KernelWithoutSuspend", {{false, false, true, true}, true, false, true}, SystemPowerState::Unspecified},
};

INSTANTIATE_TEST_SUITE_P(Cases, TimerWake, testing::ValuesIn(kDepthCases),
                         [](const testing::TestParamInfo<DepthCase>& c) { return c.param.name; });

// The whole service: fixture trees and the mock's logind answers.
struct MachineCase {
    const char* name;
    const char* fixture;
    const char* logind;  // template parameters
    bool timerWakes;
    SystemPowerState rtcWake;
    bool canSuspend;
    bool canHibernate;
};

void PrintTo(const MachineCase& c, std::ostream* out)
{
    *out << c.name;
}

class Machine : public MockedDesktop, public testing::WithParamInterface<MachineCase> {
protected:
    void SetUp() override
    {
        SetLogindParameters(QString::fromLatin1(GetParam().logind));
        MockedDesktop::SetUp();
    }
};

TEST_P(Machine, ReportsWhatItCanSleepAndWakeFrom)
{
    const MachineCase& c = GetParam();
    LinuxPowerSetup setup = PowerSetup();
    const LinuxPowerCapabilities capabilities(LogindManager(setup.systemBus, setup.sessionId),
                                              Fixture(c.fixture), [&] { return c.timerWakes; });
    EXPECT_EQ(capabilities.RtcWake(), c.rtcWake);
    EXPECT_EQ(capabilities.CanSuspend(), c.canSuspend);
    EXPECT_EQ(capabilities.CanHibernate(), c.canHibernate);
}

const MachineCase kMachineCases[] = {
    {"NoRtc", "no-rtc", "", true, SystemPowerState::Unspecified, true, true},
    {"SuspendOnly", "suspend-only", "", true, SystemPowerState::Sleeping3, true, false},
    {"SuspendAndHibernate", "suspend-and-hibernate", "", true, SystemPowerState::Hibernate, true, true},
    {"HibernateForbidden", "suspend-and-hibernate", R"({"CanHibernate": "no"})", true,
     SystemPowerState::Sleeping3, true, false},
    // "challenge" would need a password, which a request without prompting never gets.
    {"SleepNeedsAPassword", "suspend-and-hibernate",
     R"({"CanSuspend": "challenge", "CanHibernate": "challenge"})", true, SystemPowerState::Unspecified,
     false, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, Machine, testing::ValuesIn(kMachineCases),
                         [](const testing::TestParamInfo<MachineCase>& c) { return c.param.name; });

}  // namespace
}  // namespace quorvel
