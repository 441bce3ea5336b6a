#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>

#include "app/task_execution.h"
#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "core/tasks/task_file.h"
#include "support/ui_test_support.h"
#include "ui/executor/task_executor.h"
#include "ui/lang/lang_mgr.h"
#include "ui/main/main_form.h"
#include "ui/message/message_form.h"
#include "ui/modal/modal_host.h"
#include "ui/reminder/reminder_form.h"

using namespace quorvel;

namespace {

const TimeFormat kFormat("%H:%M:%S", "%H:%M", "%A %d/%m/%Y", "%d/%m/%Y");

LocalMoment At(int hour, int minute, int second, int millisecond)
{
    return LocalMoment{Date{2024, 5, 7}, TimeOfDay{hour, minute, second}, millisecond};
}

// The program's own wiring: the main window's tick firing through the executor.
class TaskExecutionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        (void)m_settings.Write(settings::kFirstShow, false);
        m_modal.SetBoxHook([](QMessageBox&) { return int(QMessageBox::Ok); });
    }

    TMainForm& Start(const std::vector<std::string>& lines)
    {
        EXPECT_EQ(SaveTaskFile(m_dir.path().toStdString(), lines), "");
        m_execution = std::make_unique<TaskExecution>(m_langMgr, m_modal, m_settings, m_platform.services,
                                                      m_dir.path(), kFormat, [this] { return m_now; });
        MainFormHooks hooks;
        hooks.endProcess = [] {};
        hooks.executeTask = m_execution->ExecuteTaskHook();
        MainFormServices services{m_langMgr,
                                  m_modal,
                                  m_settings,
                                  m_platform.services,
                                  m_dir.path(),
                                  "/opt/quorvel",
                                  "/opt/quorvel/quorvel",
                                  true,
                                  hooks,
                                  [this] { return m_now; },
                                  kFormat};
        m_form = std::make_unique<TMainForm>(std::move(services));
        m_execution->Attach(*m_form);
        m_platform.log->ClearLines();
        return *m_form;
    }

    void TearDown() override
    {
        m_form.reset();
        m_execution.reset();
    }

    bool m_application = (test::EnsureApplication(), true);
    QTemporaryDir m_dir;
    TLangMgr m_langMgr{LangMgrConfig{}};
    ModalHost m_modal;
    SettingsStore m_settings{m_dir.path().toStdString()};
    test::RecordedPlatform m_platform;
    LocalMoment m_now = At(22, 29, 59, 400);
    std::unique_ptr<TaskExecution> m_execution;
    std::unique_ptr<TMainForm> m_form;
};

TEST_F(TaskExecutionTest, ATaskFiresOnceInItsSecondAndTheMessageWindowShowsIt)
{
    TMainForm& form = Start({"22:30:00*Enabled*l1-EveryDay*********Shutdown*********************Night",
                             "22:30:01*Enabled*l1-EveryDay************Show Message:Bed time***********Late"});
    m_now = At(22, 30, 0, 20);
    form.Timer1Timer();
    m_now = At(22, 30, 1, 15);
    form.Timer1Timer();
    m_now = At(22, 30, 2, 10);
    form.Timer1Timer();
    EXPECT_EQ(m_platform.Requests().count("PowerOffSystemForced"), 1);
    EXPECT_EQ(m_execution->MessageForm().Text(), "07/05/2024 22:30:01\r\nBed time");
    EXPECT_TRUE(form.TickRunning());
}

TEST_F(TaskExecutionTest, APostponedReminderSelectsItsNewTaskInTheList)
{
    TMainForm& form = Start({"22:30:00*Enabled*l1-EveryDay*********Shutdown*10********************Night",
                             "09:00:00*Enabled*l1-EveryDay*********Shutdown*10********************Morning"});
    m_now = At(22, 30, 0, 20);
    form.Timer1Timer();
    const QList<TReminder*> reminders = m_execution->Executor()->OpenReminders();
    ASSERT_EQ(reminders.size(), 1);
    reminders[0]->WaitingMenu()->findChild<QAction*>(QStringLiteral("wait60"))->trigger();

    ASSERT_EQ(form.Schedule().TaskLines().size(), 3u);
    const QListWidgetItem* selected = form.TaskList()->currentItem();
    ASSERT_NE(selected, nullptr);
    EXPECT_TRUE(selected->text().contains(QStringLiteral("23:30:00"))) << selected->text().toStdString();
    EXPECT_TRUE(selected->text().endsWith(QStringLiteral("Night - Delay for 1 hour")));
    EXPECT_EQ(m_platform.Requests().count("PowerOffSystemForced"), 0);
}

}  // namespace
