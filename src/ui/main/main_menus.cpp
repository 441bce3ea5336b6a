#include "ui/main/main_menus.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quorvel {

namespace {

QAction* Item(QMenu& menu, const char* name, const QString& caption, bool enabled = false)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

QMenu* SubMenu(QWidget& owner, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, &owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void Separator(QMenu& menu, const char* name)
{
    menu.addSeparator()->setObjectName(QString::fromLatin1(name));
}

// The power and session items of the File menu and of the tray's Quick Launch; `suffix` tells the
// two sets' component names apart. Returns the Shut Down item, the one whose command is here.
QAction* PowerItems(QMenu& menu, char suffix)
{
    const char* names[] = {"ShutDown",  "Restart",     "LogOff",      "StandBy",
                           "Hibernate", "LockDesktop", "CloseMonitor"};
    const char* captions[] = {"Shut Down", "Restart",      "Log Off",      "Stand By",
                              "Hibernate", "Lock Desktop", "Close Monitor"};
    QAction* shutDown = nullptr;
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const QByteArray name = QByteArray(names[i]) + suffix;
        QAction* item = Item(menu, name.constData(), QString::fromLatin1(captions[i]), i == 0);
        if (i == 0) {
            shutDown = item;
        }
    }
    return shutDown;
}

}  // namespace

MainMenus::MainMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = SubMenu(window, "File1", QStringLiteral("File"));
    shutDown = PowerItems(*file, '1');
    Separator(*file, "N1");
    exit = Item(*file, "Exit1", QStringLiteral("Exit"), true);
    bar->addMenu(file);

    QMenu* tools = SubMenu(window, "Tools1", QStringLiteral("Tools"));
    Item(*tools, "AutoShutdown1", QStringLiteral("Auto Shutdown "));
    Item(*tools, "AtomicClock1", QStringLiteral("Atomic Clock"));
    Item(*tools, "PowerManagement1", QStringLiteral("Power Management"));
    Separator(*tools, "N2");
    Item(*tools, "ImportTasksFile1", QStringLiteral("Import Tasks File"));
    Item(*tools, "ExportTasksFile1", QStringLiteral("Export Tasks File"));
    Separator(*tools, "N3");
    uninstall = Item(*tools, "Uninstall1", QStringLiteral("Uninstall"));
    m_languageMenu = SubMenu(window, "Language1", QStringLiteral("Language"));
    tools->addMenu(m_languageMenu);
    m_languageMenu->menuAction()->setVisible(false);
    bar->addMenu(tools);

    QMenu* help = SubMenu(window, "Help1", QStringLiteral("Help"));
    Item(*help, "Contents1", QStringLiteral("Contents"))->setShortcut(QKeySequence(Qt::Key_F1));
    Separator(*help, "N4");
    Item(*help, "About1", QStringLiteral("About..."));
    bar->addMenu(help);

    m_trayMenu = SubMenu(window, "PopupMenu1", QString());
    trayMainWindow = Item(*m_trayMenu, "MainWindow1", QStringLiteral("Main Window"), true);
    trayMainWindow->setVisible(false);
    m_trayMenu->setDefaultAction(trayMainWindow);
    trayAdvancedOptions = Item(*m_trayMenu, "AdvancedOptions1", QStringLiteral("Advanced Options"), true);
    Item(*m_trayMenu, "PowerManagement2", QStringLiteral("Power Management"));
    Separator(*m_trayMenu, "N5");
    Item(*m_trayMenu, "NewScheduledTask1", QStringLiteral("New Scheduled Task"));
    trayShowTaskList = Item(*m_trayMenu, "Showtasklist1", QStringLiteral("Show task list..."), true);
    Item(*m_trayMenu, "AutoShutdown2", QStringLiteral("Auto Shutdown"));
    Item(*m_trayMenu, "AtomicClock2", QStringLiteral("Atomic Clock"));
    QMenu* quickLaunch = SubMenu(window, "QuickLaunch1", QStringLiteral("Quick Launch"));
    trayShutDown = PowerItems(*quickLaunch, '2');
    m_trayMenu->addMenu(quickLaunch);
    Separator(*m_trayMenu, "N6");
    trayRunAtStartup = Item(*m_trayMenu, "RunatWindowsStartup1", QStringLiteral("Run at Windows Startup"));
    trayRunAtStartup->setCheckable(true);
    Separator(*m_trayMenu, "N7");
    Item(*m_trayMenu, "Help2", QStringLiteral("Help"))->setShortcut(QKeySequence(Qt::Key_F1));
    Item(*m_trayMenu, "About2", QStringLiteral("About..."));
    Separator(*m_trayMenu, "N8");
    trayExit = Item(*m_trayMenu, "Exit2", QStringLiteral("Exit"), true);
}

}  // namespace quorvel
