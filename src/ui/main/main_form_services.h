#pragma once

#include <QString>
#include <cstddef>
#include <functional>

#include "core/time/time_format.h"
#include "platform/local_clock.h"

class TLangMgr;

namespace quorvel {

class ModalHost;
class SettingsStore;
class TMainForm;
struct PlatformServices;

enum class TaskEditorMode { New, Edit };

// Steps of the window's life that windows and wiring of later parts fill in; empty ones do nothing.
struct MainFormHooks {
    // Carries out the task at a 1-based position of the schedule (the executor's part of dodo).
    std::function<void(std::size_t position)> executeTask;
    std::function<void()> resetAutoShutdownStatus;
    // Puts the language drop-down and the Set Password button beside their check boxes.
    std::function<void()> placeOptionCompanions;
    // Ends the process; by default the event loop's quit.
    std::function<void()> endProcess;
    // Opens the task editor modally on the main window (Edit: on the current row). Empty until the
    // editor exists; New and Edit then stay disabled.
    std::function<void(TMainForm& window, TaskEditorMode mode)> openTaskEditor;
};

// Everything the main window works with, handed in by the app.
struct MainFormServices {
    TLangMgr& langMgr;
    const ModalHost& modal;
    const SettingsStore& settings;
    const PlatformServices& platform;
    QString dataDir;
    QString programFolder;
    QString executablePath;
    // False where the desktop has no notification area: the window then stays on the taskbar.
    bool trayAvailable = true;
    MainFormHooks hooks;
    // Where the scheduler takes the current moment from.
    LocalClock clock = CurrentLocalMoment;
    // The user's time and date formats: task times are read and the clock is watched in them.
    TimeFormat timeFormat = TimeFormatFromCurrentLocale();
    // The help page Help, Contents opens; empty: quorvel.html in the program's folder.
    QString helpFile = {};
};

// What the options controls will show, read at start-up before those controls exist.
struct StartupOptions {
    bool runAtStartup = false;
    bool runMinimized = false;
    bool lockDesktopWhileRunning = false;
    bool protectSettings = false;
    bool passwordSet = false;
    bool autoLogonEnabled = false;
    QString autoLogonUserName;
    QString autoLogonPassword;
};

}  // namespace quorvel
