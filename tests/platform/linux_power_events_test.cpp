#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/linux_power_backend.h"
#include "support/mocked_desktop.h"

namespace quorvel {
namespace {

using namespace std::chrono;
using Calls = std::vector<std::string>;

// A display server and clocks the test moves by hand.
struct FakeMachine {
    milliseconds now{100000};         // monotonic, stands still in suspend
    nanoseconds boot{seconds{5000}};  // counts through suspend
    milliseconds lastInput{0};
    bool hasDisplay = true;

    void Pass(milliseconds time)
    {
        now += time;
        boot += time;
    }
    void Touch() { lastInput = now; }
};

class ResumeEvents : public MockedDesktop {
protected:
    void SetUp() override
    {
        MockedDesktop::SetUp();
        m_watcher = std::make_shared<UserInputWatcher>(
            [this]() -> std::optional<milliseconds> {
                if (!machine.hasDisplay) {
                    return std::nullopt;
                }
                return machine.now - machine.lastInput;
            },
            [this] { return machine.now; }, milliseconds{5});
        const LinuxPowerSetup setup = PowerSetup();
        events = std::make_unique<LinuxPowerEvents>(
            LogindManager(setup.systemBus, setup.sessionId), fired, [this] { return machine.boot; },
            m_watcher);
        events->SetResumeHandler([this](ResumeKind kind) {
            resumes.push_back(kind == ResumeKind::Automatic ? "automatic" : "with input");
            if (onResume) {
                onResume(kind);
            }
        });
    }

    void TearDown() override
    {
        events.reset();
        m_watcher.reset();
    }

    void Resume()
    {
        Logind().EmitSignal(QString::fromLatin1(kManagerPath),
                            QStringLiteral("org.freedesktop.login1.Manager"),
                            QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {false});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !resumes.empty(); }, 5000)) << "no resume reported";
    }

    // Lets the watcher poll a few times at the current fake time.
    void Settle() { QTest::qWait(40); }

    FakeMachine machine;
    std::shared_ptr<WakeFiredRecord> fired = std::make_shared<WakeFiredRecord>();
    std::unique_ptr<LinuxPowerEvents> events;
    std::vector<std::string> resumes;
    std::function<void(ResumeKind)> onResume;

private:
    std::shared_ptr<UserInputWatcher> m_watcher;
};

TEST_F(ResumeEvents, ResumeSignalRunsTheHandlerThatKeepsTheMachineAwake)
{
    // What the main window does on a resume, here with the real keep-awake service.
    LinuxPowerBackend backend(PowerSetup());
    onResume = [&](ResumeKind kind) {
        if (kind == ResumeKind::Automatic) {
            backend.keepAwake->KeepAwake();
        }
    };
    Resume();
    EXPECT_EQ(resumes, Calls{"automatic"});
    EXPECT_EQ(Inhibitors(), Calls{"sleep:idle Quorvel A power-on task has woken the computer block"});
}

TEST_F(ResumeEvents, GoingToSleepIsNoResume)
{
    Logind().EmitSignal(QString::fromLatin1(kManagerPath), QStringLiteral("org.freedesktop.login1.Manager"),
                        QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {true});
    QTest::qWait(300);
    EXPECT_EQ(resumes, Calls{});
}

TEST_F(ResumeEvents, FirstInputAfterResumeIsReportedOnce)
{
    Resume();
    machine.Pass(seconds{20});
    Settle();
    EXPECT_EQ(resumes, Calls{"automatic"}) << "idle since before the sleep: nobody is there";

    machine.Touch();
    machine.Pass(seconds{1});
    Settle();
    machine.Touch();
    machine.Pass(seconds{1});
    Settle();
    EXPECT_EQ(resumes, (Calls{"automatic", "with input"}));
}

TEST_F(ResumeEvents, ResumeIsAutomaticWhenOurTimerFiredAtItAndNobodyTouchedTheMachine)
{
    fired->lastFired = machine.boot + seconds{2};
    Resume();
    EXPECT_TRUE(events->IsSystemResumeAutomatic());

    machine.Pass(seconds{30});
    machine.Touch();
    machine.Pass(seconds{1});
    Settle();
    EXPECT_FALSE(events->IsSystemResumeAutomatic()) << "somebody is using it now";
}

TEST_F(ResumeEvents, ResumeLongAfterTheTimerFiredIsNotAutomatic)
{
    fired->lastFired = machine.boot;
    machine.Pass(minutes{30});
    Resume();
    EXPECT_FALSE(events->IsSystemResumeAutomatic());
}

TEST_F(ResumeEvents, NoResumeNoTimerMeansNotAutomatic)
{
    EXPECT_FALSE(events->IsSystemResumeAutomatic());
    Resume();
    EXPECT_FALSE(events->IsSystemResumeAutomatic());
}

}  // namespace
}  // namespace quorvel
