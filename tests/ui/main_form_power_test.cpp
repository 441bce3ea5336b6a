#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "core/tasks/task_file.h"
#include "support/ui_test_support.h"
#include "ui/lang/lang_mgr.h"
#include "ui/main/main_form.h"
#include "ui/modal/modal_host.h"

using namespace quorvel;

namespace {

const TimeFormat kFormat("%H:%M:%S", "%H:%M", "%A %d/%m/%Y", "%d/%m/%Y");

// Pending tomorrow, as seen from the fixture's clock.
const std::string kPowerOn = "07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on";
const std::string kMessage =
    "12:00:00*Enabled*l1-EveryDay*************Show Message:Please take a rest.***********Break";

const QString kPrompt = QStringLiteral(
    "The computer is about to enter the lowest sleep state that supports wake capability. Click [Cancel] to "
    "power off the computer completely and disable automatic restart.");

// What a test does with the Shut Down prompt in place of a person.
enum class Reply { Ok, Cancel, Unanswered };

// The main window over its own data folder and the recording backend, with the power-on test
// already offered so the first show asks nothing.
class PowerWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_settings = std::make_unique<SettingsStore>(m_dir.path().toStdString());
        (void)m_settings->Write(settings::kFirstShow, false);
        m_modal.SetBoxHook([this](QMessageBox& box) { return Answer(box); });
        m_hooks.endProcess = [] {};
    }

    TMainForm& Make(const std::vector<std::string>& tasks)
    {
        m_form.reset();  // a window lets go of the power events when it closes
        EXPECT_EQ(SaveTaskFile(m_dir.path().toStdString(), tasks), "");
        MainFormServices services{m_langMgr,
                                  m_modal,
                                  *m_settings,
                                  m_platform.services,
                                  m_dir.path(),
                                  "/opt/quorvel",
                                  "/opt/quorvel/quorvel",
                                  true,
                                  m_hooks,
                                  [] {
                                      return LocalMoment{Date{2008, 3, 14}, TimeOfDay{10, 15, 30}, 0};
                                  },
                                  kFormat};
        m_form = std::make_unique<TMainForm>(std::move(services));
        m_platform.log->ClearLines();
        return *m_form;
    }

    // Records the prompt as built, then answers it; an unanswered prompt lets its own timer run
    // out, driven here instead of waited for.
    int Answer(QMessageBox& box)
    {
        m_titles << box.windowTitle();
        m_texts << box.text();
        m_icon = box.icon();
        m_onTop = box.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        m_hasOwner = box.parentWidget() != nullptr;
        m_buttons = box.standardButtons();
        if (m_pressAgain) {
            m_pressAgain = false;
            m_form->ShutDownForWake();
        }
        auto* confirm = box.findChild<QTimer*>(QStringLiteral("tcloseother2"));
        m_confirmMs = confirm && confirm->isActive() ? confirm->interval() : -1;
        switch (m_reply) {
            case Reply::Ok:
                return QMessageBox::Ok;
            case Reply::Cancel:
                return QMessageBox::Cancel;
            case Reply::Unanswered:
                if (confirm) {
                    QMetaObject::invokeMethod(confirm, "timeout", Qt::DirectConnection);
                }
                return box.result();
        }
        return QMessageBox::Cancel;
    }

    QAction& MenuItem(const char* name) const
    {
        return *m_form->findChild<QAction*>(QString::fromLatin1(name));
    }

    QTemporaryDir m_dir;
    TLangMgr m_langMgr{LangMgrConfig{}};
    ModalHost m_modal;
    std::unique_ptr<SettingsStore> m_settings;
    test::RecordedPlatform m_platform;
    MainFormHooks m_hooks;
    std::unique_ptr<TMainForm> m_form;
    Reply m_reply = Reply::Unanswered;
    QStringList m_titles;
    QStringList m_texts;
    QMessageBox::Icon m_icon = QMessageBox::NoIcon;
    bool m_onTop = false;
    bool m_hasOwner = true;
    QMessageBox::StandardButtons m_buttons;
    int m_confirmMs = -1;
    bool m_pressAgain = false;  // Shut Down chosen again while the prompt is open
};

TEST_F(PowerWindowTest, AutomaticResumeHoldsAwakeAndRebuildsWithoutLocking)
{
    Make({kPowerOn});
    m_platform.backend.powerEvents->Resume(ResumeKind::Automatic);
    const QStringList requests = m_platform.Requests();
    ASSERT_FALSE(requests.isEmpty());
    EXPECT_EQ(requests.first(), "KeepAwake");
    // The rebuild re-aims the wake timer at the next power-on task.
    EXPECT_TRUE(requests.contains("SetScreenSaver 1"));
    EXPECT_TRUE(requests.last().startsWith("ArmWakeTimer 2008-03-15T"));
    EXPECT_FALSE(requests.contains("LockDesktop"));
}

TEST_F(PowerWindowTest, AutomaticResumeLocksTheDesktopOnlyWhenAskedTo)
{
    for (const auto& [run, locks] : {std::pair{"1", true}, std::pair{"0", false}, std::pair{"yes", false}}) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(m_settings->WriteText("Option", "run", run).ok());
        Make({kMessage});
        m_platform.backend.powerEvents->Resume(ResumeKind::Automatic);
        const QStringList requests = m_platform.Requests();
        EXPECT_TRUE(requests.contains("SetScreenSaver 1"));
        EXPECT_EQ(requests.contains("LockDesktop"), locks);
        if (locks) {
            EXPECT_EQ(requests.last(), "LockDesktop");  // after the rebuild
        }
    }
}

TEST_F(PowerWindowTest, InputAfterResumeClearsKeepAwakeOnly)
{
    Make({kPowerOn});
    m_platform.backend.powerEvents->Resume(ResumeKind::Automatic);
    m_platform.log->ClearLines();
    m_platform.backend.powerEvents->Resume(ResumeKind::WithUserInput);
    EXPECT_EQ(m_platform.Requests(), QStringList{"ClearKeepAwake"});
}

TEST_F(PowerWindowTest, WakeTimerArmsTimer12OnlyForAnUntouchedWake)
{
    TMainForm& form = Make({kPowerOn});
    auto& timer12 = *form.findChild<QTimer*>(QStringLiteral("Timer12"));
    EXPECT_FALSE(timer12.isActive());
    EXPECT_TRUE(timer12.isSingleShot());
    EXPECT_EQ(timer12.interval(), 100);

    m_platform.backend.wakeTimer->FireWakeTimer();  // a person woke it
    EXPECT_FALSE(timer12.isActive());

    m_platform.backend.powerEvents->SetSystemResumeAutomatic(true);
    m_platform.backend.wakeTimer->FireWakeTimer();
    EXPECT_TRUE(timer12.isActive());
    EXPECT_TRUE(m_platform.Requests().isEmpty());

    form.Timer12Timer();
    EXPECT_FALSE(timer12.isActive());
    EXPECT_EQ(m_platform.Requests(), QStringList{"KeepAwake"});
}

TEST_F(PowerWindowTest, ClosedWindowNoLongerHandlesPowerEvents)
{
    Make({kPowerOn});
    m_form.reset();
    m_platform.backend.powerEvents->SetSystemResumeAutomatic(true);
    m_platform.backend.powerEvents->Resume(ResumeKind::Automatic);
    m_platform.backend.wakeTimer->FireWakeTimer();
    EXPECT_TRUE(m_platform.Requests().isEmpty());
}

TEST_F(PowerWindowTest, ShutDownWithoutPowerOnTaskPowersOffAtOnce)
{
    Make({kMessage});
    for (const char* item : {"Shutoff2", "Shutoff1"}) {
        SCOPED_TRACE(item);
        m_platform.log->ClearLines();
        ASSERT_TRUE(MenuItem(item).isEnabled());
        MenuItem(item).trigger();
        EXPECT_EQ(m_platform.Requests(), QStringList{"PowerOffSystem"});
    }
    EXPECT_TRUE(m_titles.isEmpty());
}

TEST_F(PowerWindowTest, ShutDownPromptIsTheOneItsConfirmerLooksFor)
{
    Make({kPowerOn});
    MenuItem("Shutoff1").trigger();
    EXPECT_EQ(m_titles, QStringList{"Quorvel "});
    EXPECT_EQ(m_texts, QStringList{kPrompt});
    EXPECT_EQ(m_icon, QMessageBox::Information);
    EXPECT_TRUE(m_onTop);
    EXPECT_FALSE(m_hasOwner);
    EXPECT_EQ(m_buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(m_confirmMs, 10000);
}

TEST_F(PowerWindowTest, ShutDownUnderItsOwnPromptDoesNothingMore)
{
    Make({kPowerOn});
    m_reply = Reply::Ok;
    m_pressAgain = true;
    m_form->ShutDownForWake();
    EXPECT_EQ(m_titles.size(), 1);
    EXPECT_EQ(m_platform.Requests(), (QStringList{"EnabledDebugPrivilege 1", "Suspend"}));
    // Answered: the next Shut Down asks again.
    m_form->ShutDownForWake();
    EXPECT_EQ(m_titles.size(), 2);
}

struct ShutDownCase {
    const char* name;
    Reply reply;
    SystemPowerState rtcWake;
    QStringList requests;
};

void PrintTo(const ShutDownCase& c, std::ostream* out)
{
    *out << c.name;
}

class ShutDownReplyTest : public PowerWindowTest, public ::testing::WithParamInterface<ShutDownCase> {};

TEST_P(ShutDownReplyTest, SleepsAsDeepAsTheClockWakesFromOrPowersOff)
{
    const ShutDownCase& c = GetParam();
    m_reply = c.reply;
    m_platform.backend.powerCapabilities->SetRtcWake(c.rtcWake);
    Make({kPowerOn, kMessage}).ShutDownForWake();
    EXPECT_EQ(m_titles.size(), 1);
    EXPECT_EQ(m_platform.Requests(), c.requests);
}

const QStringList kHibernate{"EnabledDebugPrivilege 1", "Hibernate"};
const QStringList kSuspend{"EnabledDebugPrivilege 1", "Suspend"};

const ShutDownCase kShutDownCases[] = {
    {"UnansweredHibernates", Reply::Unanswered, SystemPowerState::Hibernate, kHibernate},
    {"UnansweredFromSoftOffHibernates", Reply::Unanswered, SystemPowerState::Shutdown, kHibernate},
    {"UnansweredSuspendsWhenOnlySuspendWakes", Reply::Unanswered, SystemPowerState::Sleeping3, kSuspend},
    {"UnansweredSuspendsWithoutWakeSupport", Reply::Unanswered, SystemPowerState::Unspecified, kSuspend},
    {"OkHibernates", Reply::Ok, SystemPowerState::Hibernate, kHibernate},
    {"OkSuspends", Reply::Ok, SystemPowerState::Sleeping3, kSuspend},
    {"CancelPowersOff", Reply::Cancel, SystemPowerState::Hibernate, {"PowerOffSystem"}},
};

INSTANTIATE_TEST_SUITE_P(Replies, ShutDownReplyTest, ::testing::ValuesIn(kShutDownCases),
                         [](const ::testing::TestParamInfo<ShutDownCase>& c) {
                             return std::string(c.param.name);
                         });

}  // namespace
