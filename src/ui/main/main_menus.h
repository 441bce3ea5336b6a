#pragma once

#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QObject;

namespace quorvel {

// The main menu bar and the tray menu of the main window. Items keep the component names that
// language files address; those whose commands arrive with later windows start disabled.
class MainMenus {
public:
    // Fills `window`'s menu bar and builds the tray menu owned by `window`.
    explicit MainMenus(QMainWindow& window);

    QMenu* TrayMenu() const { return m_trayMenu; }
    QMenu* LanguageMenu() const { return m_languageMenu; }

    QAction* exit = nullptr;            // File, Exit
    QAction* shutDown = nullptr;        // File, Shut Down
    QAction* trayShutDown = nullptr;    // Quick Launch, Shut Down
    QAction* uninstall = nullptr;       // Tools, Uninstall
    QAction* trayMainWindow = nullptr;  // the tray's default item, never shown in the menu
    QAction* trayAdvancedOptions = nullptr;
    QAction* trayShowTaskList = nullptr;
    QAction* trayRunAtStartup = nullptr;  // a check item
    QAction* trayExit = nullptr;

private:
    QMenu* m_trayMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
};

}  // namespace quorvel
