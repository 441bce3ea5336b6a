#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "core/security/scramble_password.h"
#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "support/ui_test_support.h"
#include "ui/lang/lang_mgr.h"
#include "ui/main/main_form.h"
#include "ui/modal/modal_host.h"
#include "ui/tray/tray_icon.h"

using namespace quorvel;

namespace {

constexpr const char* kExe = "/opt/quorvel/quorvel";
const QString kPowerTest = QStringLiteral(
    "To test the power-on capabilities of your computer click [OK] now. The computer will be powered off, "
    "and it "
    "will try to automatically power on after 3 minutes.");
const QString kCloseQuestion =
    QStringLiteral("Quit this program all functions will be disabled!\nMinimize to system tray?");

// Runs the event loop until `done` holds or two seconds pass; no fixed sleeps.
bool WaitUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(2000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_settings = std::make_unique<SettingsStore>(m_dir.path().toStdString());
        m_modal.SetBoxHook([this](QMessageBox& box) {
            m_boxes << box.text();
            m_captions << box.windowTitle();
            return m_answers.isEmpty() ? int(QMessageBox::Cancel) : int(m_answers.takeFirst());
        });
        // The settings-password prompt types whatever the test queued and presses that button.
        m_modal.SetDialogHook([this](QDialog& dialog) {
            ++m_prompts;
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
            edit->setText(m_typed);
            dialog.findChild<QPushButton*>(m_promptButton)->click();
            return dialog.result();
        });
        m_hooks.endProcess = [this] { ++m_ends; };
    }

    std::unique_ptr<TMainForm> Make(bool trayAvailable = true)
    {
        MainFormServices services{m_langMgr,           m_modal,       *m_settings,
                                  m_platform.services, m_dir.path(),  "/opt/quorvel",
                                  QString(kExe),       trayAvailable, m_hooks};
        return std::make_unique<TMainForm>(std::move(services));
    }

    // Shows the window and lets the show steps and Timer7 run.
    void ShowAndSettle(TMainForm& form)
    {
        auto* timer7 = form.findChild<QTimer*>(QStringLiteral("Timer7"));
        QSignalSpy fired(timer7, &QTimer::timeout);
        form.show();
        ASSERT_TRUE(fired.wait(2000));
    }

    QTemporaryDir m_dir;
    TLangMgr m_langMgr{LangMgrConfig{}};
    ModalHost m_modal;
    std::unique_ptr<SettingsStore> m_settings;
    test::RecordedPlatform m_platform;
    MainFormHooks m_hooks;
    QStringList m_boxes;
    QStringList m_captions;
    QList<QMessageBox::StandardButton> m_answers;
    QString m_typed;
    QString m_promptButton = QStringLiteral("Button1");
    int m_prompts = 0;
    int m_ends = 0;

    // Every rebuild starts by giving the screen saver back.
    int Rebuilds() const { return int(m_platform.Requests().count("SetScreenSaver 1")); }
};

TEST_F(MainFormTest, WindowFrameHasItsTitleSizeAndPages)
{
    auto form = Make();
    EXPECT_EQ(form->windowTitle(), "Horalux  ");
    EXPECT_EQ(form->size(), QSize(540, 461));
    EXPECT_EQ(form->minimumSize(), QSize(173, 41));
    QTabWidget* pages = form->PageControl();
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->tabText(0), "  Scheduled Tasks   ");
    EXPECT_EQ(pages->tabText(1), "       Options        ");
    EXPECT_NE(form->findChild<QWidget*>(QStringLiteral("ListView1")), nullptr);
    QMenu* language = form->LanguageMenu();
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->objectName(), "Language1");
    EXPECT_FALSE(language->menuAction()->isVisible());
}

TEST_F(MainFormTest, PowerTestIsOfferedOnTheFirstShowOnly)
{
    auto form = Make();
    ShowAndSettle(*form);
    ASSERT_EQ(m_boxes, QStringList{kPowerTest});
    EXPECT_EQ(m_captions.first(), "Horalux  ");
    EXPECT_EQ(m_settings->ReadText("Option", "first", "absent"), "0");
    EXPECT_FALSE(m_platform.Requests().contains("Hibernate"));

    // Cancelled once: later shows, and later starts, never ask again.
    form->hide();
    ShowAndSettle(*form);
    auto restarted = Make();
    ShowAndSettle(*restarted);
    EXPECT_EQ(m_boxes.size(), 1);
}

TEST_F(MainFormTest, PowerTestOkStartsTheTest)
{
    m_answers << QMessageBox::Ok;
    auto form = Make();
    ShowAndSettle(*form);
    // The test timer is set before the machine goes down, and the sleep is the forced one.
    EXPECT_EQ(m_platform.Requests().mid(m_platform.Requests().size() - 3),
              (QStringList{"ArmWakeTestTimer 210", "EnabledDebugPrivilege 1", "Hibernate"}));
}

TEST_F(MainFormTest, EveryShowRebuildsTheSchedule)
{
    (void)m_settings->Write(settings::kFirstShow, false);
    auto form = Make();
    const int atStart = Rebuilds();
    EXPECT_EQ(atStart, 1);
    ShowAndSettle(*form);
    form->MinimizeApplication();
    form->BringBack(TMainForm::Page::ScheduledTasks);
    EXPECT_TRUE(WaitUntil([&] { return Rebuilds() == atStart + 2; }));
}

struct PromptCase {
    const char* typed;
    const char* button;
    bool staysShown;
};

class LockedShowTest : public MainFormTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(LockedShowTest, PromptGuardsTheWindow)
{
    (void)m_settings->Write(settings::kFirstShow, false);
    (void)m_settings->SetSwitch(settings::kProtectWithPassword, true);
    (void)m_settings->Write(settings::kLockPassword, ScramblePassword("secret"));
    m_typed = QString::fromLatin1(GetParam().typed);
    m_promptButton = QString::fromLatin1(GetParam().button);
    auto form = Make();
    ShowAndSettle(*form);
    EXPECT_EQ(m_prompts, 1);
    EXPECT_EQ(form->AccessDenied(), !GetParam().staysShown);
    EXPECT_EQ(form->isVisible(), GetParam().staysShown);
    EXPECT_TRUE(form->Tray().IsVisible());
}

INSTANTIATE_TEST_SUITE_P(Answers, LockedShowTest,
                         ::testing::Values(PromptCase{"secret", "Button1", true},
                                           PromptCase{"wrong", "Button1", false},
                                           PromptCase{"secret", "Button2", false}));

TEST_F(MainFormTest, NoPromptWithoutProtection)
{
    (void)m_settings->Write(settings::kFirstShow, false);
    (void)m_settings->SetSwitch(settings::kProtectWithPassword, false);
    auto form = Make();
    ShowAndSettle(*form);
    EXPECT_EQ(m_prompts, 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainFormTest, CloseQuestionOkGoesToTheTray)
{
    (void)m_settings->Write(settings::kFirstShow, false);
    auto form = Make();
    ShowAndSettle(*form);
    m_answers << QMessageBox::Ok;
    EXPECT_FALSE(form->close());
    EXPECT_EQ(m_boxes.last(), kCloseQuestion);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(m_ends, 0);
}

TEST_F(MainFormTest, CloseQuestionCancelEnds)
{
    (void)m_settings->Write(settings::kFirstShow, false);
    auto form = Make();
    ShowAndSettle(*form);
    m_answers << QMessageBox::Cancel;
    form->close();
    EXPECT_EQ(m_boxes.last(), kCloseQuestion);
    EXPECT_EQ(m_ends, 1);
    EXPECT_EQ(m_platform.Requests().last(), "SetScreenSaver 1");
}

TEST_F(MainFormTest, SessionEndClosesWithoutAsking)
{
    (void)m_settings->Write(settings::kFirstShow, false);
    auto form = Make();
    ShowAndSettle(*form);
    form->SessionEnding();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(m_boxes.isEmpty());
}

TEST_F(MainFormTest, FileExitGivesTheScreenSaverBackAndEnds)
{
    auto form = Make();
    form->findChild<QAction*>(QStringLiteral("Exit1"))->trigger();
    EXPECT_EQ(m_platform.Requests().last(), "SetScreenSaver 1");
    EXPECT_EQ(m_ends, 1);
}

TEST_F(MainFormTest, TrayExitAsksThePasswordWhenProtected)
{
    (void)m_settings->SetSwitch(settings::kProtectWithPassword, true);
    (void)m_settings->Write(settings::kLockPassword, ScramblePassword("secret"));
    auto form = Make();
    m_platform.log->ClearLines();
    QAction* exit = form->findChild<QAction*>(QStringLiteral("Exit2"));
    m_typed = "nope";
    exit->trigger();
    EXPECT_EQ(m_ends, 0);
    EXPECT_FALSE(m_platform.Requests().contains("SetScreenSaver 1"));
    m_typed = "secret";
    exit->trigger();
    EXPECT_EQ(m_ends, 1);
    EXPECT_EQ(m_platform.Requests().last(), "SetScreenSaver 1");
    EXPECT_EQ(m_prompts, 2);
}

TEST_F(MainFormTest, MinimisingHidesToTheTrayOnlyWhereThereIsOne)
{
    (void)m_settings->Write(settings::kFirstShow, false);
    for (bool tray : {true, false}) {
        auto form = Make(tray);
        ShowAndSettle(*form);
        form->showMinimized();
        EXPECT_TRUE(WaitUntil([&] { return form->isVisible() != tray; })) << "tray " << tray;
        EXPECT_EQ(form->Tray().IsVisible(), tray);
    }
}

TEST_F(MainFormTest, HandOffBringsTheWindowBackOnTheTaskPage)
{
    (void)m_settings->Write(settings::kFirstShow, false);
    auto form = Make();
    ShowAndSettle(*form);
    form->PageControl()->setCurrentIndex(1);
    form->MinimizeApplication();
    ASSERT_FALSE(form->isVisible());
    form->HandOffReceived();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->PageControl()->currentIndex(), 0);
}

TEST_F(MainFormTest, StartsHiddenWhenRunAlwaysMinimizedAndATrayExists)
{
    (void)m_settings->SetSwitch(settings::kStartInTray, true);
    EXPECT_TRUE(Make(true)->StartsHidden());
    EXPECT_TRUE(Make(true)->Options().runMinimized);
    // Without a notification area hiding would leave the user nothing to click.
    EXPECT_FALSE(Make(false)->StartsHidden());
    (void)m_settings->WriteText("tray", "tray", "yes");
    EXPECT_FALSE(Make(true)->StartsHidden());
}

TEST_F(MainFormTest, StartUpRequestsFollowTheStoredOptions)
{
    (void)m_settings->SetSwitch(settings::kLockDesktopWhileRunning, true);
    (void)m_settings->SetSwitch(settings::kTimeSyncAtStart, true);
    m_platform.backend.autoLogon->PresetAutoLogon({true, "", "pw"});
    m_platform.backend.autostart->PresetAutostartCommand(kExe);
    auto form = Make();
    // The first rebuild comes between the Run value and the desktop lock; there are no tasks.
    const QStringList expected{"StartClockSync time.nist.gov",
                               "ApplyResumePasswordPolicy 1",
                               "SetScreenSaver 1",
                               "EnableDebugPrivilege",
                               "KillTask Pelmora.exe",
                               "CancelWakeTimer",
                               "LockDesktop",
                               "SetLangManagerFolder /opt/quorvel"};
    EXPECT_EQ(m_platform.Requests(), expected);
    EXPECT_TRUE(form->Options().runAtStartup);
    EXPECT_TRUE(form->findChild<QAction*>(QStringLiteral("RunatWindowsStartup1"))->isChecked());
    EXPECT_TRUE(form->Options().autoLogonEnabled);
    EXPECT_FALSE(form->Options().autoLogonUserName.isEmpty());  // the login name stands in
    EXPECT_EQ(form->Options().autoLogonPassword, "pw");
    EXPECT_EQ(form->LastEventText(), "\n\rLast event:None");
    // Nothing shown yet, so nothing asked or written.
    EXPECT_TRUE(m_boxes.isEmpty());
    EXPECT_EQ(m_settings->ReadText("Option", "first", "absent"), "absent");
}

TEST_F(MainFormTest, RunValueMustMatchTheExecutableExactly)
{
    m_platform.backend.autostart->PresetAutostartCommand("/opt/Quorvel/quorvel");
    auto form = Make();
    EXPECT_FALSE(form->Options().runAtStartup);
    EXPECT_FALSE(form->findChild<QAction*>(QStringLiteral("RunatWindowsStartup1"))->isChecked());
    EXPECT_TRUE(m_platform.Requests().contains("ApplyResumePasswordPolicy 0"));
    EXPECT_FALSE(m_platform.Requests().contains("LockDesktop"));
}

TEST_F(MainFormTest, RunLogIsCappedAtStart)
{
    const QString log = QDir(m_dir.path()).filePath("log.txt");
    struct Case {
        qint64 size;
        qint64 after;
    };
    for (const Case c : {Case{-1, 0}, Case{10240, 10240}, Case{10241, 0}}) {
        QFile::remove(log);
        if (c.size >= 0) {
            QFile file(log);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(c.size, 'x'));
        }
        Make();
        EXPECT_EQ(QFileInfo(log).size(), c.after) << c.size;
        EXPECT_TRUE(QFileInfo::exists(log));
    }
}

}  // namespace

// A wrong resource name gives an empty tray slot and a window without an icon, silently.
TEST_F(MainFormTest, TrayAndWindowIconsAreFound)
{
    auto form = Make();
    EXPECT_FALSE(form->Tray().Image(0).isNull());
    EXPECT_FALSE(form->Tray().Image(1).isNull());
    EXPECT_FALSE(form->windowIcon().isNull());
}
