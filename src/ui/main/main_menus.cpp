#include "ui/main/main_menus.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace quorvel {

namespace {

QAction* Item(QMenu& menu, const char* name, const char* caption)
{
    QAction* action = menu.addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// An item whose window has not been built yet: shown, so the menu looks whole, but not usable.
QAction* NotYetItem(QMenu& menu, const char* name, const char* caption)
{
    QAction* action = Item(menu, name, caption);
    action->setEnabled(false);
    return action;
}

QMenu* SubMenu(QWidget& owner, const char* name, const char* caption)
{
    auto* menu = new QMenu(QString::fromLatin1(caption), &owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void Separator(QMenu& menu, const char* name)
{
    menu.addSeparator()->setObjectName(QString::fromLatin1(name));
}

struct PowerItemNames {
    const char* tray;
    const char* file;
    const char* caption;
};

// The component names the two sets have always had, in PowerCommand order.
constexpr PowerItemNames kPowerItems[kPowerCommandCount] = {
    {"Shutoff1", "Shutoff2", "Shut Down"},     {"Reboot1", "Reboot2", "Restart"},
    {"Logoff1", "Logoff2", "Log Off"},         {"Standby1", "Standby2", "Stand By"},
    {"Hibernate1", "Hibernate2", "Hibernate"}, {"Locksystem1", "LockSystem2", "Lock Desktop"},
    {"CloseMo1", "CloseMo2", "Close Monitor"},
};

std::array<QAction*, kPowerCommandCount> PowerItems(QMenu& menu, bool tray)
{
    std::array<QAction*, kPowerCommandCount> items{};
    for (std::size_t i = 0; i < kPowerCommandCount; ++i) {
        const PowerItemNames& names = kPowerItems[i];
        items[i] = Item(menu, tray ? names.tray : names.file, names.caption);
    }
    return items;
}

}  // namespace

MainMenus::MainMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = SubMenu(window, "File1", "File");
    m_filePower = PowerItems(*file, false);
    Separator(*file, "N1");
    exit = Item(*file, "Exit1", "Exit");
    bar->addMenu(file);

    QMenu* tools = SubMenu(window, "Tools1", "Tools");
    autoShutdown = NotYetItem(*tools, "AutoShutdown1", "Auto Shutdown ");
    atomicClock = NotYetItem(*tools, "AtomicClock1", "Atomic Clock");
    powerManagement = Item(*tools, "PowerManagement2", "Power Management");
    Separator(*tools, "N2");
    importTasks = NotYetItem(*tools, "ImportTasksFile1", "Import Tasks File");
    exportTasks = NotYetItem(*tools, "ExportTasksFile1", "Export Tasks File");
    Separator(*tools, "N3");
    uninstall = Item(*tools, "Uninstall1", "Uninstall");
    m_languageMenu = SubMenu(window, "Language1", "Language");
    tools->addMenu(m_languageMenu);
    m_languageMenu->menuAction()->setVisible(false);
    bar->addMenu(tools);

    QMenu* help = SubMenu(window, "Help1", "Help");
    contents = Item(*help, "Contents1", "Contents");
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    Separator(*help, "N4");
    about = Item(*help, "About1", "About...");
    bar->addMenu(help);

    // The window manager draws the title bar, so its menu sits on the menu bar's corner instead.
    m_windowMenu = SubMenu(window, "SystemMenu1", "Window");
    windowMinimize = Item(*m_windowMenu, "Minimize1", "Minimize");
    windowMaximizeRestore = Item(*m_windowMenu, "MaximizeRestore1", "Maximize/Restore");
    Separator(*m_windowMenu, "N9");
    windowClose = Item(*m_windowMenu, "Close1", "Close");
    m_windowMenuButton = new QToolButton(bar);
    m_windowMenuButton->setObjectName(QStringLiteral("SystemMenuButton"));
    m_windowMenuButton->setIcon(window.windowIcon());
    m_windowMenuButton->setAutoRaise(true);
    m_windowMenuButton->setPopupMode(QToolButton::InstantPopup);
    m_windowMenuButton->setMenu(m_windowMenu);
    m_windowMenuButton->setFocusPolicy(Qt::NoFocus);
    bar->setCornerWidget(m_windowMenuButton, Qt::TopLeftCorner);

    m_taskListMenu = SubMenu(window, "PopupMenu2", "");
    listNew = Item(*m_taskListMenu, "AddNewTask1", "Add New Task");
    listEdit = Item(*m_taskListMenu, "ModifySeletedTask1", "Modify Seleted Task");
    listDelete = Item(*m_taskListMenu, "DeleteSeletedTask1", "Delete Seleted Task");
    listDeleteAll = Item(*m_taskListMenu, "DeleteAllTasks1", "Delete All Tasks");

    m_trayMenu = SubMenu(window, "PopupMenu1", "");
    trayMainWindow = Item(*m_trayMenu, "MainWindow1", "Main Window");
    trayMainWindow->setVisible(false);
    m_trayMenu->setDefaultAction(trayMainWindow);
    trayAdvancedOptions = Item(*m_trayMenu, "AdvancedOptions1", "Advanced Options");
    trayPowerManagement = Item(*m_trayMenu, "PowerManagement1", "Power Management");
    Separator(*m_trayMenu, "N5");
    trayNewTask = Item(*m_trayMenu, "NewScheduledTask1", "New Scheduled Task");
    trayShowTaskList = Item(*m_trayMenu, "Showtasklist1", "Show task list...");
    trayAutoShutdown = NotYetItem(*m_trayMenu, "AutoShutdown2", "Auto Shutdown");
    trayAtomicClock = NotYetItem(*m_trayMenu, "AtomicClock2", "Atomic Clock");
    QMenu* quickLaunch = SubMenu(window, "QuickLaunch1", "Quick Launch");
    m_trayPower = PowerItems(*quickLaunch, true);
    m_trayMenu->addMenu(quickLaunch);
    Separator(*m_trayMenu, "N6");
    trayRunAtStartup = NotYetItem(*m_trayMenu, "RunatWindowsStartup1", "Run at Windows Startup");
    trayRunAtStartup->setCheckable(true);
    Separator(*m_trayMenu, "N7");
    trayHelp = Item(*m_trayMenu, "Help2", "Help");
    trayHelp->setShortcut(QKeySequence(Qt::Key_F1));
    trayAbout = Item(*m_trayMenu, "About2", "About...");
    Separator(*m_trayMenu, "N8");
    trayExit = Item(*m_trayMenu, "Exit2", "Exit");
}

}  // namespace quorvel
