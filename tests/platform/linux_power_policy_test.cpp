#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "platform/linux/linux_power_backend.h"
#include "support/mocked_desktop.h"

namespace quorvel {
namespace {

using Calls = std::vector<std::string>;

const std::string kDelay = "sleep Quorvel Lock the desktop before sleeping delay";

class ResumePassword : public MockedDesktop {
protected:
    void PrepareForSleep(bool sleeping)
    {
        Logind().EmitSignal(QString::fromLatin1(kManagerPath),
                            QStringLiteral("org.freedesktop.login1.Manager"),
                            QStringLiteral("PrepareForSleep"), QStringLiteral("b"), {sleeping});
    }
};

TEST_F(ResumePassword, LocksBeforeEachSleepWhenNotLoggingOnAutomatically)
{
    LinuxPowerBackend backend(PowerSetup());
    backend.powerPolicy->ApplyResumePasswordPolicy(false);
    EXPECT_EQ(Inhibitors(), Calls{kDelay});

    PrepareForSleep(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return SessionCalls() == Calls{"Lock"}; }, 5000))
        << testing::PrintToString(SessionCalls());
    EXPECT_TRUE(WaitForInhibitors({})) << "the sleep must be let go on";

    PrepareForSleep(false);
    EXPECT_TRUE(WaitForInhibitors({kDelay})) << "ready for the next sleep";
}

TEST_F(ResumePassword, AutomaticLogonLetsTheMachineSleepUnlocked)
{
    LinuxPowerBackend backend(PowerSetup());
    backend.powerPolicy->ApplyResumePasswordPolicy(false);
    backend.powerPolicy->ApplyResumePasswordPolicy(true);
    EXPECT_TRUE(WaitForInhibitors({}));

    PrepareForSleep(true);
    PrepareForSleep(false);
    QTest::qWait(300);
    EXPECT_EQ(SessionCalls(), Calls{});
    EXPECT_EQ(Inhibitors(), Calls{});
}

TEST_F(ResumePassword, AppliedTwiceHoldsOneInhibitor)
{
    LinuxPowerBackend backend(PowerSetup());
    backend.powerPolicy->ApplyResumePasswordPolicy(false);
    backend.powerPolicy->ApplyResumePasswordPolicy(false);
    EXPECT_EQ(Inhibitors(), Calls{kDelay});
}

}  // namespace
}  // namespace quorvel
