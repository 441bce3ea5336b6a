#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "core/io/atomic_file.h"
#include "platform/linux/linux_power_backend.h"
#include "support/mocked_desktop.h"
#include "support/qt_test_application.h"
#include "support/scoped_capability_drop.h"

namespace quorvel {
namespace {

using namespace std::chrono;

sys_seconds Now()
{
    return floor<seconds>(system_clock::now());
}

// Never the waking clock: a test must not be able to wake this machine.
WakeHelperLaunch RealtimeHelper()
{
    return WakeHelperLaunch{QStringLiteral(QUORVEL_WAKE_HELPER), {QStringLiteral("--clock=realtime")}, {}};
}

// Counts the expiries the timer hands to its handler and when they came.
struct FireLog {
    std::vector<system_clock::time_point> fired;

    void Attach(WakeTimer& timer)
    {
        timer.SetWakeTimerHandler([this] { fired.push_back(system_clock::now()); });
    }
    bool WaitForFire(milliseconds limit = milliseconds{6000}) const
    {
        return QTest::qWaitFor([&] { return !fired.empty(); }, static_cast<int>(limit.count()));
    }
};

// Our own running children called quorvel-wake-helper (the kernel keeps 15 characters).
int HelperChildren()
{
    int count = 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/") + entry + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString line = QString::fromUtf8(stat.readAll());
        const qsizetype close = line.lastIndexOf(QLatin1Char(')'));
        const QStringList after = line.mid(close + 2).split(QLatin1Char(' '));
        const QString name =
            line.mid(line.indexOf(QLatin1Char('(')) + 1, close - line.indexOf(QLatin1Char('(')) - 1);
        if (after.size() > 1 && after[0] != QLatin1String("Z") && after[1].toInt() == getpid() &&
            name == QLatin1String("quorvel-wake-he")) {
            ++count;
        }
    }
    return count;
}

struct HolderCase {
    const char* name;
    bool viaHelper;  // else the in-process fallback, as without a helper
};

class WakeTimerHolder : public testing::TestWithParam<HolderCase> {
protected:
    void SetUp() override { EnsureQtApplication(); }

    std::unique_ptr<LinuxWakeTimer> MakeTimer()
    {
        LinuxWakeTimerSetup setup;
        if (GetParam().viaHelper) {
            setup.helper = RealtimeHelper();
        }
        setup.sysfsRoot = m_noSysfs.path().toStdString();
        setup.fired = fired;
        auto timer = std::make_unique<LinuxWakeTimer>(std::move(setup));
        log.Attach(*timer);
        return timer;
    }

    std::shared_ptr<WakeFiredRecord> fired = std::make_shared<WakeFiredRecord>();
    FireLog log;

private:
    QTemporaryDir m_noSysfs;
};

TEST_P(WakeTimerHolder, FiresAtItsDueTime)
{
    const std::unique_ptr<LinuxWakeTimer> timer = MakeTimer();
    const sys_seconds due = Now() + seconds{1};
    timer->ArmWakeTimer(due);
    EXPECT_EQ(HelperChildren(), GetParam().viaHelper ? 1 : 0)
        << "one helper per process, only when there is one";
    EXPECT_FALSE(timer->WakesFromSuspend()) << "neither clock of the tests wakes the machine";
    ASSERT_TRUE(log.WaitForFire());
    EXPECT_GE(log.fired.front(), due);
    EXPECT_TRUE(fired->lastFired.has_value()) << "the resume check needs the moment";
    QTest::qWait(1200);
    EXPECT_EQ(log.fired.size(), 1u) << "once, no period";
}

TEST_P(WakeTimerHolder, ReArmingReplacesTheDueTime)
{
    const std::unique_ptr<LinuxWakeTimer> timer = MakeTimer();
    const sys_seconds later = Now() + seconds{3};
    timer->ArmWakeTimer(Now() + seconds{1});
    timer->ArmWakeTimer(later);
    EXPECT_LE(HelperChildren(), 1) << "re-arming starts nothing new";
    ASSERT_TRUE(log.WaitForFire(milliseconds{8000}));
    EXPECT_GE(log.fired.front(), later);
    QTest::qWait(1500);
    EXPECT_EQ(log.fired.size(), 1u);
}

TEST_P(WakeTimerHolder, CancelRemovesTheDueTime)
{
    const std::unique_ptr<LinuxWakeTimer> timer = MakeTimer();
    timer->ArmWakeTimer(Now() + seconds{1});
    timer->CancelWakeTimer();
    QTest::qWait(2500);
    EXPECT_TRUE(log.fired.empty());
}

TEST_P(WakeTimerHolder, TestTimerWakesButCallsNobody)
{
    const std::unique_ptr<LinuxWakeTimer> timer = MakeTimer();
    timer->ArmWakeTestTimer(seconds{1});
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired->lastFired.has_value(); }, 6000));
    EXPECT_TRUE(log.fired.empty());
}

INSTANTIATE_TEST_SUITE_P(Holders, WakeTimerHolder,
                         testing::Values(HolderCase{"Helper", true}, HolderCase{"InProcess", false}),
                         [](const testing::TestParamInfo<HolderCase>& c) { return c.param.name; });

class WakeTimerFallback : public testing::Test {
protected:
    void SetUp() override { EnsureQtApplication(); }

    // A program standing in for the helper.
    QString FakeHelper(const char* script)
    {
        const QString path = m_dir.filePath(QStringLiteral("fake-helper"));
        EXPECT_EQ(WriteFileAtomically(path.toStdString(), std::string("#!/bin/sh\n") + script, 0700), "");
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(WakeTimerFallback, HelperThatEndsHandsItsDueTimeToOurOwnTimer)
{
    LinuxWakeTimerSetup setup;
    // Claims to wake the machine, takes one command and ends, as a crash would.
    setup.helper.program = FakeHelper("echo 'ready alarm'\nread line\nexit 0\n");
    setup.sysfsRoot = m_dir.filePath(QStringLiteral("sysfs")).toStdString();
    LinuxWakeTimer timer(std::move(setup));
    FireLog log;
    log.Attach(timer);

    EXPECT_TRUE(timer.WakesFromSuspend());
    const sys_seconds due = Now() + seconds{2};
    timer.ArmWakeTimer(due);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer.WakesFromSuspend(); }, 5000))
        << "the loss went unnoticed";
    ASSERT_TRUE(log.WaitForFire());
    EXPECT_GE(log.fired.front(), due);
}

TEST_F(WakeTimerFallback, HelperThatDoesNotAnswerIsNotWaitedForAgain)
{
    LinuxWakeTimerSetup setup;
    setup.helper.program = FakeHelper("echo 'who am I'\nsleep 30\n");
    setup.sysfsRoot = m_dir.filePath(QStringLiteral("sysfs")).toStdString();
    LinuxWakeTimer timer(std::move(setup));
    EXPECT_FALSE(timer.WakesFromSuspend());
    FireLog log;
    log.Attach(timer);
    timer.ArmWakeTimer(Now() + seconds{1});
    EXPECT_TRUE(log.WaitForFire());
}

TEST_F(WakeTimerFallback, RealTimeClockAlarmFollowsTheEarliestDueTime)
{
    const QString alarmFolder = m_dir.filePath(QStringLiteral("sysfs/class/rtc/rtc0"));
    ASSERT_TRUE(QDir().mkpath(alarmFolder));
    const std::string alarm = (alarmFolder + QStringLiteral("/wakealarm")).toStdString();
    ASSERT_EQ(WriteFileAtomically(alarm, "", 0644), "");
    const auto alarmText = [&] {
        std::string text;
        ReadWholeFile(alarm, text);
        return text;
    };

    const sys_seconds pcWake = Now() + hours{5};
    {
        LinuxWakeTimerSetup setup;
        setup.sysfsRoot = m_dir.filePath(QStringLiteral("sysfs")).toStdString();
        LinuxWakeTimer timer(std::move(setup));
        timer.ArmWakeTimer(pcWake);
        EXPECT_EQ(alarmText(), std::to_string(pcWake.time_since_epoch().count()) + "\n");

        timer.ArmWakeTestTimer(seconds{210});
        const auto test = (Now() + seconds{210}).time_since_epoch().count();
        const std::string shown = alarmText();
        EXPECT_TRUE(shown == std::to_string(test) + "\n" || shown == std::to_string(test - 1) + "\n")
            << shown;

        const sys_seconds sooner = Now() + seconds{100};
        timer.ArmWakeTimer(sooner);
        EXPECT_EQ(alarmText(), std::to_string(sooner.time_since_epoch().count()) + "\n");
        timer.CancelWakeTimer();
        EXPECT_EQ(alarmText(), shown) << "back to the test timer after the cancel";
    }
    EXPECT_EQ(alarmText(), "0\n") << "a timer that ends with the program must not wake the machine";
}

// The helper without CAP_WAKE_ALARM, as it is before the set-up gives it: the waking clock is
// refused, our own timers take over, and the machine reports that a timer cannot wake it.
class WakeHelperWithoutCapability : public MockedDesktop {};

TEST_F(WakeHelperWithoutCapability, FallsBackAndReportsTheLowerCapability)
{
    // A copy keeps no file capabilities; the bounding set takes the rest, even from root.
    QTemporaryDir dir;
    const QString helper = dir.filePath(QStringLiteral("quorvel-wake-helper"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVEL_WAKE_HELPER), helper));
    ASSERT_TRUE(QFile::setPermissions(helper, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    // The alarm exists but is not ours to set, as for an ordinary user.
    const QString alarmFolder = dir.filePath(QStringLiteral("sysfs/class/rtc/rtc0"));
    ASSERT_TRUE(QDir().mkpath(alarmFolder) && QDir().mkpath(dir.filePath(QStringLiteral("sysfs/power"))));
    ASSERT_EQ(WriteFileAtomically((alarmFolder + QStringLiteral("/wakealarm")).toStdString(), "", 0444), "");
    ASSERT_EQ(WriteFileAtomically(dir.filePath(QStringLiteral("sysfs/power/state")).toStdString(), "mem\n"),
              "");

    LinuxPowerSetup setup = PowerSetup();
    setup.sysfsRoot = dir.filePath(QStringLiteral("sysfs")).toStdString();
    setup.wakeHelper = WakeHelperLaunch{helper, {}, [] { DropFromBoundingSet(CAP_WAKE_ALARM); }};
    LinuxPowerBackend backend(setup);

    const ScopedEffectiveCapabilityDrop ordinaryUser({CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER});
    const std::string alarm = setup.sysfsRoot + "/class/rtc/rtc0/wakealarm";
    if (faccessat(AT_FDCWD, alarm.c_str(), W_OK, AT_EACCESS) == 0) {
        GTEST_SKIP() << "cannot take the right to write any file away here";
    }
    EXPECT_FALSE(backend.wakeTimer->WakesFromSuspend());
    EXPECT_LT(static_cast<int>(backend.powerCapabilities->RtcWake()), 2);
    EXPECT_TRUE(backend.powerCapabilities->CanSuspend()) << "only the wake is missing";

    FireLog log;
    log.Attach(*backend.wakeTimer);
    backend.wakeTimer->ArmWakeTimer(Now() + seconds{1});
    EXPECT_TRUE(log.WaitForFire()) << "power-on tasks still fire while the machine is awake";
}

}  // namespace
}  // namespace quorvel
