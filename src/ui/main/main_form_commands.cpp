// The main window's commands: menu items, the tray menu, the task list's tool bar and menu, and
// the window menu. Commands of other windows only open those windows.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <optional>

#include "core/editor/edited_line.h"
#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "platform/platform_services.h"
#include "ui/about/about_box.h"
#include "ui/main/main_form.h"
#include "ui/modal/main_message_box.h"
#include "ui/modal/modal_host.h"
#include "ui/tray/tray_icon.h"

namespace quorvel {

namespace {

constexpr const char* kUninstallScript = "quorvel-uninstall";
constexpr const char* kHelpPage = "quorvel.html";

std::string Encoded(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

}  // namespace

void TMainForm::ConnectCommands()
{
    const MainMenus& menus = *m_menus;
    for (std::size_t i = 0; i < kPowerCommandCount; ++i) {
        const auto command = PowerCommand(i);
        for (QAction* item : {menus.FilePower(command), menus.TrayPower(command)}) {
            connect(item, &QAction::triggered, this, [this, command] { RunPowerCommand(command); });
        }
    }
    for (QAction* item : {menus.powerManagement, menus.trayPowerManagement}) {
        connect(item, &QAction::triggered, this,
                [this] { m_services.platform.powerOptions->OpenPowerOptions(); });
    }
    connect(menus.exit, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(menus.uninstall, &QAction::triggered, this, &TMainForm::Uninstall1Click);
    connect(menus.contents, &QAction::triggered, this, &TMainForm::Contents1Click);
    connect(menus.trayHelp, &QAction::triggered, this, &TMainForm::Contents1Click);
    connect(menus.about, &QAction::triggered, this, &TMainForm::About1Click);
    connect(menus.trayAbout, &QAction::triggered, this, &TMainForm::About1Click);

    connect(menus.trayMainWindow, &QAction::triggered, this, [this] { BringBack(Page::ScheduledTasks); });
    connect(menus.trayShowTaskList, &QAction::triggered, this, [this] { BringBack(Page::ScheduledTasks); });
    connect(menus.trayAdvancedOptions, &QAction::triggered, this, [this] { BringBack(Page::Options); });
    connect(menus.trayNewTask, &QAction::triggered, this, &TMainForm::TrayNewTaskClick);
    connect(menus.trayExit, &QAction::triggered, this, &TMainForm::TrayExitClick);

    for (QAction* item : {m_newBtn, menus.listNew}) {
        connect(item, &QAction::triggered, this, &TMainForm::NewTaskClick);
    }
    for (QAction* item : {m_editBtn, menus.listEdit}) {
        connect(item, &QAction::triggered, this, &TMainForm::EditTaskClick);
    }
    for (QAction* item : {m_delBtn, menus.listDelete}) {
        connect(item, &QAction::triggered, this, &TMainForm::DelBtnClick);
    }
    for (QAction* item : {m_delAllBtn, menus.listDeleteAll}) {
        connect(item, &QAction::triggered, this, &TMainForm::DelALLBtnClick);
    }
    connect(m_taskList, &QListWidget::itemDoubleClicked, this, [this] { EditTaskClick(); });

    connect(menus.windowMinimize, &QAction::triggered, this, [this] { showMinimized(); });
    connect(menus.windowMaximizeRestore, &QAction::triggered, this, &TMainForm::MaximizeRestore);
    connect(menus.windowClose, &QAction::triggered, this, [this] { close(); });
    // Where the window manager leaves Alt+Space to the window, it opens our window menu.
    auto* windowMenuKey = new QAction(this);
    windowMenuKey->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
    addAction(windowMenuKey);
    connect(windowMenuKey, &QAction::triggered, menus.WindowMenuButton(), &QToolButton::showMenu);

    UpdateCommandStates();
}

void TMainForm::UpdateCommandStates()
{
    const bool editor = bool(m_services.hooks.openTaskEditor);
    for (QAction* item : {m_newBtn, m_editBtn, m_menus->listNew, m_menus->listEdit, m_menus->trayNewTask}) {
        item->setEnabled(editor);
    }
    const QFileInfo script(UninstallScript());
    m_menus->uninstall->setEnabled(script.isFile() && script.isExecutable());
}

void TMainForm::RunPowerCommand(PowerCommand command)
{
    const PlatformServices& platform = m_services.platform;
    switch (command) {
        case PowerCommand::ShutDown:
            ShutDownForWake();
            break;
        case PowerCommand::Restart:
            platform.session->RestartSystem();
            break;
        case PowerCommand::LogOff:
            platform.session->LogOffSession();
            break;
        // Immediate, and with the shutdown privilege enabled first, so they never depend on an
        // earlier operation having enabled it.
        case PowerCommand::StandBy:
            SleepForWake(false);
            break;
        case PowerCommand::Hibernate:
            SleepForWake(true);
            break;
        case PowerCommand::LockDesktop:
            platform.desktopLock->LockDesktop();
            break;
        case PowerCommand::CloseMonitor:
            platform.monitorPower->TurnMonitorOff();
            break;
    }
}

void TMainForm::MaximizeRestore()
{
    if (isMaximized()) {
        showNormal();
    } else {
        showMaximized();
    }
}

int TMainForm::CurrentRow() const
{
    if (!m_scheduler.HasTasks()) {
        return -1;
    }
    return m_taskList->currentRow();
}

void TMainForm::OpenTaskEditor(TaskEditorMode mode)
{
    if (m_services.hooks.openTaskEditor) {
        m_services.hooks.openTaskEditor(*this, mode);
    }
}

void TMainForm::NewTaskClick()
{
    OpenTaskEditor(TaskEditorMode::New);
}

void TMainForm::EditTaskClick()
{
    if (CurrentRow() < 0) {
        return;
    }
    OpenTaskEditor(TaskEditorMode::Edit);
}

void TMainForm::TrayNewTaskClick()
{
    m_accessDenied = false;
    if (m_services.settings.IsOn(settings::kProtectWithPassword)) {
        ShowLockPrompt();
    }
    if (!m_accessDenied) {
        OpenTaskEditor(TaskEditorMode::New);
    }
}

void TMainForm::DelBtnClick()
{
    const int row = CurrentRow();
    if (row < 0 || std::size_t(row) >= m_scheduler.TaskLines().size()) {
        return;
    }
    // Known by its line, not its row: a task that fires while the question is open rebuilds and
    // reorders the list, and the row would then name another task.
    const std::optional<std::string> chosen = m_scheduler.TaskLines()[std::size_t(row)];
    if (!MainMessageBox(m_services.modal, *this, *this)
             .Ask(LangStr(QStringLiteral("DelBtnClick"), QStringLiteral("Confirm delete?")))) {
        return;
    }
    std::vector<std::string> lines = m_scheduler.TaskLines();
    const std::optional<std::size_t> at = FindEditedLine(lines, chosen);
    if (!at) {
        return;  // gone already
    }
    lines.erase(lines.begin() + std::ptrdiff_t(*at));
    SaveAndRebuild(lines);
}

void TMainForm::DelALLBtnClick()
{
    if (!m_scheduler.HasTasks()) {
        return;
    }
    if (!MainMessageBox(m_services.modal, *this, *this)
             .Ask(LangStr(QStringLiteral("DelALLBtnClick"), QStringLiteral("Confirm delete all?")))) {
        return;
    }
    SaveAndRebuild({});
}

void TMainForm::SaveAndRebuild(const std::vector<std::string>& taskLines)
{
    const std::string error = m_scheduler.SaveTaskLines(taskLines);
    if (!error.empty()) {
        // The file is written whole or not at all, so the list as shown is still the truth.
        Tell(LangStr(QStringLiteral("TaskFileNotSaved"),
                     QStringLiteral("The change could not be saved, so the scheduled tasks are left as "
                                    "they were.")) +
             QStringLiteral("\n\n") + QString::fromLocal8Bit(error));
        return;
    }
    RebuildSchedule();
}

void TMainForm::Contents1Click()
{
    const QString page = m_services.helpFile.isEmpty()
                             ? QDir(m_services.programFolder).filePath(QString::fromLatin1(kHelpPage))
                             : m_services.helpFile;
    m_services.platform.launcher->ShellOpen(Encoded(page));
}

void TMainForm::About1Click()
{
    TAboutBox about(this, LangMgr());
    m_services.modal.RunDialog(about);
}

QString TMainForm::UninstallScript() const
{
    return QFileInfo(m_services.executablePath).dir().filePath(QString::fromLatin1(kUninstallScript));
}

void TMainForm::Uninstall1Click()
{
    const QString script = UninstallScript();
    // The script runs without a terminal and cannot ask; a slip of the mouse must not remove the
    // program.
    const MainMessageBox box(m_services.modal, *this, *this);
    if (!box.Ask(LangStr(QStringLiteral("Uninstall"),
                         QStringLiteral("Remove Quorvel from this computer? Your scheduled tasks and "
                                        "settings are kept.")))) {
        return;
    }
    if (!QFileInfo(QFileInfo(script).path()).isWritable()) {
        // Installed for every user: the script would fail unseen after the program had ended.
        box.Tell(LangFmt(QStringLiteral("UninstallAsAdministrator"),
                         QStringLiteral("Quorvel was installed for all users, so only an administrator "
                                        "can remove it. Run this command in a terminal: sudo %s"),
                         {script}),
                 QMessageBox::Warning);
        return;
    }
    m_services.platform.launcher->StartProgram(Encoded(script), "");
    EndProcess();
}

}  // namespace quorvel
