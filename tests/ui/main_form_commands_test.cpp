#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "core/security/scramble_password.h"
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
const LocalMoment kNow{Date{2024, 5, 7}, TimeOfDay{8, 0, 0}, 0};

// A daily message task; with the clock at 08:00 the list orders these by their start time.
std::string Daily(const std::string& start, const std::string& title)
{
    std::vector<std::string> fields(25);
    fields[0] = start;
    fields[1] = "Enabled";
    fields[2] = "l1-EveryDay";
    fields[14] = "Show Message:hello";
    std::string line;
    for (const std::string& field : fields) {
        line += field + '*';
    }
    return line + title;
}

const std::string kA = Daily("09:00:00", "Alpha");
const std::string kB = Daily("10:00:00", "Bravo");
const std::string kC = Daily("11:00:00", "Charlie");
const std::string kD = Daily("12:00:00", "Delta");
const std::string kEarly = Daily("08:30:00", "Early");

bool WaitUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(2000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

// One line per menu entry: its caption, "\t" and its shortcut when it has one, "-" for a
// separator, and a "(hidden)" mark for entries that are there but not shown.
QStringList Entries(const QMenu& menu)
{
    QStringList entries;
    for (const QAction* action : menu.actions()) {
        QString entry = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->shortcut().isEmpty()) {
            entry += QLatin1Char('\t') + action->shortcut().toString();
        }
        if (!action->isVisible()) {
            entry += QStringLiteral(" (hidden)");
        }
        entries << entry;
    }
    return entries;
}

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_settings = std::make_unique<SettingsStore>(m_dir.path().toStdString());
        (void)m_settings->Write(settings::kFirstShow, false);
        m_modal.SetBoxHook([this](QMessageBox& box) {
            m_boxes << box.text();
            m_captions << box.windowTitle();
            return m_answers.isEmpty() ? int(QMessageBox::Cancel) : int(m_answers.takeFirst());
        });
        m_modal.SetDialogHook([this](QDialog& dialog) { return m_dialogs(dialog); });
        m_hooks.endProcess = [this] { ++m_ends; };
    }

    TMainForm& Make(const QString& executable = QStringLiteral("/opt/quorvel/quorvel"))
    {
        MainFormServices services{m_langMgr,           m_modal,      *m_settings,
                                  m_platform.services, m_dir.path(), QStringLiteral("/opt/quorvel"),
                                  executable,          true,         m_hooks,
                                  [] { return kNow; }, kFormat,      m_helpFile};
        m_form = std::make_unique<TMainForm>(std::move(services));
        return *m_form;
    }

    // Records every editor the window asks for.
    void WithEditor()
    {
        m_hooks.openTaskEditor = [this](TMainForm& window, TaskEditorMode mode) {
            EXPECT_EQ(&window, m_form.get());
            m_editors.push_back(mode);
        };
    }

    void WriteTasks(const std::vector<std::string>& lines)
    {
        ASSERT_EQ(SaveTaskFile(m_dir.path().toStdString(), lines), "");
    }
    std::vector<std::string> TaskFile() const
    {
        return LoadTaskFile(m_dir.path().toStdString()).value_or(std::vector<std::string>{"unreadable"});
    }
    QStringList Shown() const
    {
        QStringList rows;
        for (int i = 0; i < m_form->TaskList()->count(); ++i) {
            rows << m_form->TaskList()->item(i)->text();
        }
        return rows;
    }

    QAction& Item(const char* name) const
    {
        auto* action = m_form->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }
    QMenu& Menu(const char* name) const
    {
        auto* menu = m_form->findChild<QMenu*>(QString::fromLatin1(name));
        EXPECT_NE(menu, nullptr) << name;
        return *menu;
    }

    QTemporaryDir m_dir;
    TLangMgr m_langMgr{LangMgrConfig{}};
    ModalHost m_modal;
    std::unique_ptr<SettingsStore> m_settings;
    test::RecordedPlatform m_platform;
    MainFormHooks m_hooks;
    QString m_helpFile;
    std::unique_ptr<TMainForm> m_form;
    QStringList m_boxes;
    QStringList m_captions;
    QList<QMessageBox::StandardButton> m_answers;
    std::function<int(QDialog&)> m_dialogs = [](QDialog&) { return int(QDialog::Rejected); };
    std::vector<TaskEditorMode> m_editors;
    int m_ends = 0;
};

TEST_F(CommandsTest, MenusHoldTheirItemsInOrder)
{
    Make();
    struct Case {
        const char* menu;
        QStringList entries;
    };
    const Case cases[] = {
        {"File1",
         {"Shut Down", "Restart", "Log Off", "Stand By", "Hibernate", "Lock Desktop", "Close Monitor", "-",
          "Exit"}},
        {"Tools1",
         {"Auto Shutdown ", "Atomic Clock", "Power Management", "-", "Import Tasks File", "Export Tasks File",
          "-", "Uninstall", "Language (hidden)"}},
        {"Help1", {"Contents\tF1", "-", "About..."}},
        {"SystemMenu1", {"Minimize", "Maximize/Restore", "-", "Close"}},
        {"PopupMenu2", {"Add New Task", "Modify Seleted Task", "Delete Seleted Task", "Delete All Tasks"}},
        {"PopupMenu1",
         {"Main Window (hidden)", "Advanced Options", "Power Management", "-", "New Scheduled Task",
          "Show task list...", "Auto Shutdown", "Atomic Clock", "Quick Launch", "-", "Run at Windows Startup",
          "-", "Help\tF1", "About...", "-", "Exit"}},
        {"QuickLaunch1",
         {"Shut Down", "Restart", "Log Off", "Stand By", "Hibernate", "Lock Desktop", "Close Monitor"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Entries(Menu(c.menu)), c.entries) << c.menu;
    }

    QStringList bar;
    for (const QAction* action : m_form->menuBar()->actions()) {
        bar << action->text();
    }
    EXPECT_EQ(bar, (QStringList{"File", "Tools", "Help"}));
    EXPECT_EQ(Menu("PopupMenu1").defaultAction(), &Item("MainWindow1"));
    EXPECT_TRUE(Item("RunatWindowsStartup1").isCheckable());
    // The list's own menu is the one a right click shows.
    EXPECT_EQ(m_form->TaskList()->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(m_form->TaskList()->actions(), Menu("PopupMenu2").actions());
    // The window menu is reachable from the menu bar.
    auto* corner = qobject_cast<QToolButton*>(m_form->menuBar()->cornerWidget(Qt::TopLeftCorner));
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->menu(), &Menu("SystemMenu1"));
}

TEST_F(CommandsTest, ToolBarShowsItsFourButtons)
{
    Make();
    auto* toolBar = m_form->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    ASSERT_NE(toolBar, nullptr);
    EXPECT_EQ(toolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QStringList buttons;
    for (const QAction* action : toolBar->actions()) {
        EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        buttons << action->text() + QStringLiteral(": ") + action->toolTip();
    }
    EXPECT_EQ(buttons, (QStringList{"New: Add a new scheduled task.", "Edit: View and modify scheduled task",
                                    "Delete: Delete scheduled task.", "Clear: Delete all scheduled tasks."}));
}

TEST_F(CommandsTest, ItemsOfWindowsStillToComeAreDisabled)
{
    for (bool editor : {false, true}) {
        SCOPED_TRACE(editor);
        if (editor) {
            WithEditor();
        }
        Make();
        for (const char* name : {"AutoShutdown1", "AtomicClock1", "ImportTasksFile1", "ExportTasksFile1",
                                 "AutoShutdown2", "AtomicClock2", "RunatWindowsStartup1"}) {
            EXPECT_FALSE(Item(name).isEnabled()) << name;
        }
        // New and Edit work exactly when there is an editor to open.
        for (const char* name :
             {"NewBtn", "EditBtn", "AddNewTask1", "ModifySeletedTask1", "NewScheduledTask1"}) {
            EXPECT_EQ(Item(name).isEnabled(), editor) << name;
        }
        for (const char* name :
             {"DelBtn", "DelALLBtn", "DeleteSeletedTask1", "DeleteAllTasks1", "Exit1", "Exit2", "Contents1",
              "Help2", "About1", "About2", "PowerManagement1", "PowerManagement2", "Shutoff1", "CloseMo2"}) {
            EXPECT_TRUE(Item(name).isEnabled()) << name;
        }
    }
}

TEST_F(CommandsTest, PowerItemsRequestTheirOperation)
{
    Make();
    struct Case {
        const char* tray;
        const char* file;
        QStringList requests;
    };
    const Case cases[] = {
        // No power-on task waits, so Shut Down simply powers off.
        {"Shutoff1", "Shutoff2", {"PowerOffSystem"}},
        {"Reboot1", "Reboot2", {"RestartSystem"}},
        {"Logoff1", "Logoff2", {"LogOffSession"}},
        {"Standby1", "Standby2", {"EnabledDebugPrivilege 1", "Suspend"}},
        {"Hibernate1", "Hibernate2", {"EnabledDebugPrivilege 1", "Hibernate"}},
        {"Locksystem1", "LockSystem2", {"LockDesktop"}},
        {"CloseMo1", "CloseMo2", {"TurnMonitorOff"}},
        {"PowerManagement1", "PowerManagement2", {"OpenPowerOptions"}},
    };
    for (const Case& c : cases) {
        for (const char* name : {c.tray, c.file}) {
            m_platform.log->ClearLines();
            Item(name).trigger();
            EXPECT_EQ(m_platform.Requests(), c.requests) << name;
        }
    }
    EXPECT_TRUE(m_boxes.isEmpty());
    EXPECT_EQ(m_ends, 0);
}

TEST_F(CommandsTest, HelpOpensTheHelpPageWithTheDesktopsHandler)
{
    struct Case {
        QString helpFile;
        QString opened;
    };
    for (const Case& c :
         {Case{"", "/opt/quorvel/quorvel.html"},
          Case{"/usr/share/quorvel/help/quorvel.html", "/usr/share/quorvel/help/quorvel.html"}}) {
        m_helpFile = c.helpFile;
        Make();
        for (const char* name : {"Contents1", "Help2"}) {
            m_platform.log->ClearLines();
            Item(name).trigger();
            EXPECT_EQ(m_platform.Requests(), QStringList{"ShellOpen " + c.opened}) << name;
        }
    }
}

TEST_F(CommandsTest, AboutShowsNameAndVersionAndOkCloses)
{
    Make();
    QStringList seen;
    m_dialogs = [&seen](QDialog& dialog) {
        for (const char* label : {"ProductName", "Version"}) {
            seen << dialog.findChild<QLabel*>(QString::fromLatin1(label))->text();
        }
        EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().isNull());
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        return dialog.result();
    };
    for (const char* name : {"About1", "About2"}) {
        seen.clear();
        Item(name).trigger();
        EXPECT_EQ(seen, (QStringList{"Quorvel", "Version:2.05"})) << name;
    }
}

TEST_F(CommandsTest, NewAndEditOpenTheEditor)
{
    WithEditor();
    WriteTasks({kA, kB});
    TMainForm& form = Make();
    for (const char* name : {"NewBtn", "AddNewTask1", "EditBtn", "ModifySeletedTask1"}) {
        Item(name).trigger();
    }
    form.TaskList()->setCurrentRow(1);
    emit form.TaskList()->itemDoubleClicked(form.TaskList()->item(1));
    using M = TaskEditorMode;
    EXPECT_EQ(m_editors, (std::vector<M>{M::New, M::New, M::Edit, M::Edit, M::Edit}));
    EXPECT_EQ(form.CurrentRow(), 1);
    // The tool bar's New asks no password even when the settings are protected: the window was
    // guarded when it was shown.
    EXPECT_TRUE(m_boxes.isEmpty());
}

TEST_F(CommandsTest, EditOnAnEmptyListDoesNothing)
{
    WithEditor();
    TMainForm& form = Make();
    EXPECT_EQ(Shown(), QStringList{"No Task."});
    EXPECT_EQ(form.CurrentRow(), -1);
    Item("EditBtn").trigger();
    Item("ModifySeletedTask1").trigger();
    emit form.TaskList()->itemDoubleClicked(form.TaskList()->item(0));
    EXPECT_TRUE(m_editors.empty());
    EXPECT_TRUE(m_boxes.isEmpty());
}

TEST_F(CommandsTest, TrayNewTaskAsksThePasswordWhenProtected)
{
    WithEditor();
    (void)m_settings->SetSwitch(settings::kProtectWithPassword, true);
    (void)m_settings->Write(settings::kLockPassword, ScramblePassword("secret"));
    Make();
    int prompts = 0;
    QString typed;
    m_dialogs = [&](QDialog& dialog) {
        ++prompts;
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(typed);
        dialog.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        return dialog.result();
    };
    typed = "wrong";
    Item("NewScheduledTask1").trigger();
    EXPECT_TRUE(m_editors.empty());
    typed = "secret";
    Item("NewScheduledTask1").trigger();
    EXPECT_EQ(m_editors, std::vector<TaskEditorMode>{TaskEditorMode::New});
    EXPECT_EQ(prompts, 2);
    // The tool bar's New does not ask.
    Item("NewBtn").trigger();
    EXPECT_EQ(prompts, 2);
    EXPECT_EQ(m_editors.size(), 2u);
}

TEST_F(CommandsTest, DeleteRemovesTheSelectedTaskAndSavesTheListInOrder)
{
    // Written out of order: the list, and so the saved file, follow the schedule's order.
    WriteTasks({kC, kA, kD, kB});
    TMainForm& form = Make();
    ASSERT_EQ(form.Schedule().TaskLines(), (std::vector<std::string>{kA, kB, kC, kD}));
    for (const char* name : {"DelBtn", "DeleteSeletedTask1"}) {
        SCOPED_TRACE(name);
        WriteTasks({kC, kA, kD, kB});
        form.RebuildSchedule();
        form.TaskList()->setCurrentRow(2);
        m_boxes.clear();
        m_answers = {QMessageBox::Ok};
        Item(name).trigger();
        EXPECT_EQ(m_boxes, QStringList{"Confirm delete?"});
        EXPECT_EQ(m_captions.last(), "Horalux  ");
        EXPECT_EQ(TaskFile(), (std::vector<std::string>{kA, kB, kD}));
        ASSERT_EQ(Shown().size(), 3);
        EXPECT_FALSE(Shown().join('\n').contains("Charlie"));
        EXPECT_EQ(form.CurrentRow(), 0);
    }
}

TEST_F(CommandsTest, DeleteRemovesTheChosenTaskEvenWhenTheListChangedWhileAsking)
{
    struct Case {
        const char* name;
        std::vector<std::string> meanwhile;  // task.dat as a rebuild during the question finds it
        std::vector<std::string> saved;
    };
    const Case cases[] = {
        // A task added before it: row 1 now shows Alpha.
        {"Moved", {kEarly, kA, kB, kC}, {kEarly, kA, kC}},
        {"AlreadyGone", {kA, kC}, {kA, kC}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteTasks({kA, kB, kC});
        TMainForm& form = Make();
        form.TaskList()->setCurrentRow(1);
        m_modal.SetBoxHook([&](QMessageBox&) {
            WriteTasks(c.meanwhile);
            form.RebuildSchedule();
            form.TaskList()->setCurrentRow(1);
            return int(QMessageBox::Ok);
        });
        Item("DelBtn").trigger();
        EXPECT_EQ(TaskFile(), c.saved);
    }
}

TEST_F(CommandsTest, DeleteAllEmptiesTheTaskFile)
{
    WriteTasks({kA, kB, kC});
    Make();
    m_answers = {QMessageBox::Ok};
    Item("DeleteAllTasks1").trigger();
    EXPECT_EQ(m_boxes, QStringList{"Confirm delete all?"});
    EXPECT_TRUE(TaskFile().empty());
    EXPECT_EQ(QFile(m_dir.filePath("task.dat")).size(), 0);
    EXPECT_EQ(Shown(), QStringList{"No Task."});
}

TEST_F(CommandsTest, CancelledConfirmationChangesNothing)
{
    WriteTasks({kC, kA, kB});
    const QByteArray before = [&] {
        QFile file(m_dir.filePath("task.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    TMainForm& form = Make();
    const QStringList shown = Shown();
    for (const char* name : {"DelBtn", "DelALLBtn", "DeleteSeletedTask1", "DeleteAllTasks1"}) {
        form.TaskList()->setCurrentRow(1);
        m_answers = {QMessageBox::Cancel};
        Item(name).trigger();
        QFile file(m_dir.filePath("task.dat"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before) << name;
        EXPECT_EQ(Shown(), shown) << name;
    }
    EXPECT_EQ(m_boxes.size(), 4);
}

TEST_F(CommandsTest, DeleteOnAnEmptyListAsksNothing)
{
    Make();
    for (const char* name : {"DelBtn", "DelALLBtn", "DeleteSeletedTask1", "DeleteAllTasks1"}) {
        Item(name).trigger();
    }
    EXPECT_TRUE(m_boxes.isEmpty());
    EXPECT_FALSE(QFile::exists(m_dir.filePath("task.dat")));
}

TEST_F(CommandsTest, WindowMenuMinimisesMaximisesAndCloses)
{
    TMainForm& form = Make();
    form.show();
    Item("MaximizeRestore1").trigger();
    EXPECT_TRUE(form.isMaximized());
    Item("MaximizeRestore1").trigger();
    EXPECT_FALSE(form.isMaximized());

    // Minimising always ends in the tray.
    Item("Minimize1").trigger();
    EXPECT_TRUE(WaitUntil([&] { return !form.isVisible(); }));

    form.BringBack(TMainForm::Page::ScheduledTasks);
    m_boxes.clear();
    m_answers = {QMessageBox::Ok};
    Item("Close1").trigger();
    EXPECT_EQ(m_boxes,
              QStringList{"Quit this program all functions will be disabled!\nMinimize to system tray?"});
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(m_ends, 0);
}

TEST_F(CommandsTest, TrayItemsBringTheWindowBackOnTheirPage)
{
    TMainForm& form = Make();
    struct Case {
        const char* item;
        int page;
    };
    for (const Case c : {Case{"MainWindow1", 0}, Case{"Showtasklist1", 0}, Case{"AdvancedOptions1", 1}}) {
        form.PageControl()->setCurrentIndex(1 - c.page);
        form.MinimizeApplication();
        ASSERT_FALSE(form.isVisible());
        Item(c.item).trigger();
        EXPECT_TRUE(form.isVisible()) << c.item;
        EXPECT_EQ(form.PageControl()->currentIndex(), c.page) << c.item;
    }
}

class UninstallTest : public CommandsTest {
protected:
    // A folder like an installed bin folder: the program and, when asked, its uninstall script.
    QString InstalledProgram(bool withScript)
    {
        const QString bin = m_dir.filePath("bin");
        QDir().mkpath(bin);
        if (withScript) {
            QFile script(bin + "/quorvel-uninstall");
            EXPECT_TRUE(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\n");
            script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        }
        return bin + "/quorvel";
    }
};

TEST_F(UninstallTest, DisabledWithoutAScriptBesideTheProgram)
{
    Make(InstalledProgram(false));
    EXPECT_FALSE(Item("Uninstall1").isEnabled());
}

TEST_F(UninstallTest, StartsTheScriptAndEndsOnlyAfterOk)
{
    const QString program = InstalledProgram(true);
    Make(program);
    ASSERT_TRUE(Item("Uninstall1").isEnabled());
    m_platform.log->ClearLines();

    m_answers = {QMessageBox::Cancel};
    Item("Uninstall1").trigger();
    EXPECT_EQ(m_boxes,
              QStringList{"Remove Quorvel from this computer? Your scheduled tasks and settings are kept."});
    EXPECT_TRUE(m_platform.Requests().isEmpty());
    EXPECT_EQ(m_ends, 0);

    m_answers = {QMessageBox::Ok};
    Item("Uninstall1").trigger();
    EXPECT_EQ(m_platform.Requests(),
              (QStringList{"StartProgram " + m_dir.filePath("bin/quorvel-uninstall"), "SetScreenSaver 1"}));
    EXPECT_EQ(m_ends, 1);
}

}  // namespace
