#pragma once

#include <QString>
#include <array>
#include <cstddef>

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;

namespace quorvel {

// The power and session commands, in the order the File menu and Quick Launch list them.
enum class PowerCommand { ShutDown, Restart, LogOff, StandBy, Hibernate, LockDesktop, CloseMonitor };
inline constexpr std::size_t kPowerCommandCount = 7;

// The main menu bar, the window menu, the task list's menu and the tray menu of the main window.
// Items keep the component names that language files address; the window connects their commands
// and disables those whose windows are not there.
class MainMenus {
public:
    // Fills `window`'s menu bar and builds the other menus, all owned by `window`.
    explicit MainMenus(QMainWindow& window);

    QMenu* TrayMenu() const { return m_trayMenu; }
    QMenu* LanguageMenu() const { return m_languageMenu; }
    QMenu* TaskListMenu() const { return m_taskListMenu; }
    QMenu* WindowMenu() const { return m_windowMenu; }
    // The button on the menu bar's corner that opens the window menu.
    QToolButton* WindowMenuButton() const { return m_windowMenuButton; }

    // File's item of a power command, and the tray's Quick Launch item of it.
    QAction* FilePower(PowerCommand command) const { return m_filePower[std::size_t(command)]; }
    QAction* TrayPower(PowerCommand command) const { return m_trayPower[std::size_t(command)]; }

    // File, Tools and Help.
    QAction* exit = nullptr;
    QAction* autoShutdown = nullptr;
    QAction* atomicClock = nullptr;
    QAction* powerManagement = nullptr;
    QAction* importTasks = nullptr;
    QAction* exportTasks = nullptr;
    QAction* uninstall = nullptr;
    QAction* contents = nullptr;
    QAction* about = nullptr;

    // The tray menu.
    QAction* trayMainWindow = nullptr;  // the default item, never shown in the menu
    QAction* trayAdvancedOptions = nullptr;
    QAction* trayPowerManagement = nullptr;
    QAction* trayNewTask = nullptr;
    QAction* trayShowTaskList = nullptr;
    QAction* trayAutoShutdown = nullptr;
    QAction* trayAtomicClock = nullptr;
    QAction* trayRunAtStartup = nullptr;  // a check item
    QAction* trayHelp = nullptr;
    QAction* trayAbout = nullptr;
    QAction* trayExit = nullptr;

    // The task list's menu.
    QAction* listNew = nullptr;
    QAction* listEdit = nullptr;
    QAction* listDelete = nullptr;
    QAction* listDeleteAll = nullptr;

    // The window menu.
    QAction* windowMinimize = nullptr;
    QAction* windowMaximizeRestore = nullptr;
    QAction* windowClose = nullptr;

private:
    QMenu* m_trayMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QMenu* m_taskListMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QToolButton* m_windowMenuButton = nullptr;
    std::array<QAction*, kPowerCommandCount> m_filePower{};
    std::array<QAction*, kPowerCommandCount> m_trayPower{};
};

}  // namespace quorvel
