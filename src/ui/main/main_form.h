#pragma once

#include <QMainWindow>
#include <QTimer>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/power_events.h"
#include "ui/lang/lang_form.h"
#include "ui/main/main_form_services.h"
#include "ui/main/main_menus.h"
#include "ui/schedule/scheduler.h"

class QAction;
class QCheckBox;
class QComboBox;
class QListWidget;
class QTabWidget;
class QToolBar;

namespace quorvel {

class LanguageChoiceBinder;
class LogoBand;
class TrayIcon;

// The main window: the task list, the options page, the menus and the tray icon. It lives in the
// notification area and is shown from and hidden to it.
class TMainForm final : public QMainWindow, public TLangForm {
    Q_OBJECT

public:
    // The pages of the page control.
    enum class Page { ScheduledTasks = 0, Options = 1 };

    explicit TMainForm(MainFormServices services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // True when the tray start-up step decided that the window starts hidden in the tray.
    bool StartsHidden() const { return m_startsHidden; }

    // Back from the tray: restored, visible, in front, on `page`.
    void BringBack(Page page);
    // Minimising the application: to the tray where there is one, else the ordinary way.
    void MinimizeApplication();
    // Another start asked this copy to come forward.
    void HandOffReceived();
    // The session is ending: the window may close for real.
    void SessionEnding();

    void SetTrayHint(const QString& hint);
    QString LastEventText() const;

    // Reads task.dat anew, dates and orders the tasks, and shows the result: the task list, the
    // tray hint, the screen saver, the wake timer and the tick. Every change of tasks, every show,
    // every execution and every clock jump ends with it.
    void RebuildSchedule();
    // Carries out the task at a 1-based position of the schedule, then rebuilds.
    void dodo(std::size_t position);
    // Timer1 (TickCheck): fires the tasks due since the previous tick.
    void Timer1Timer();
    // Timer5 (ClockWatch): rebuilds after a date change or a clock jump.
    void Timer5Timer();

    // Ends every running process of that name.
    void KillTask(const std::string& name);
    bool EnableDebugPrivilege();
    bool EnabledDebugPrivilege(bool enable);

    // "Shut Down": with a power-on task pending, asks and then sleeps as deep as the clock can
    // wake from; otherwise, or on Cancel, powers off.
    void ShutDownForWake();
    // Sleeps at once, forced, with the shutdown privilege enabled first.
    void SleepForWake(bool hibernate);
    // Timer12: holds the machine awake after our wake timer woke it.
    void Timer12Timer();

    const Scheduler& Schedule() const { return m_scheduler; }
    // Whether Timer1 is meant to run: at least one task and no rebuild or execution under way.
    bool TickRunning() const { return m_tickRunning; }

    bool AccessDenied() const { return m_accessDenied; }
    bool IsSessionEnding() const { return m_sessionEnding; }
    bool OptionsReady() const { return m_optionsReady; }
    void SetOptionsReady() { m_optionsReady = true; }
    const StartupOptions& Options() const { return m_options; }

    // Shows the settings-password prompt modally; AccessDenied tells the outcome.
    void ShowLockPrompt();
    // Tools, Uninstall: after a confirmation, starts the uninstall script beside the executable
    // and ends. Disabled where there is no such script (a build tree).
    void Uninstall1Click();
    // The uninstall script beside the executable, whether it exists or not.
    QString UninstallScript() const;

    // Task list commands. New and Edit open the editor through the openTaskEditor hook; Edit
    // does nothing on an empty list.
    void NewTaskClick();
    void EditTaskClick();
    // The tray's New Scheduled Task: behind the settings password when it protects the settings.
    void TrayNewTaskClick();
    // Delete the current task, or all tasks, after a confirmation; nothing on an empty list.
    void DelBtnClick();
    void DelALLBtnClick();
    // The current row of the task list, 0-based; -1 when no task row is current (also while the
    // list shows only "No Task.").
    int CurrentRow() const;

    // Help, Contents: our help page, opened by the desktop's handler.
    void Contents1Click();
    // Help, About...: the About box, modally.
    void About1Click();

    QListWidget* TaskList() const { return m_taskList; }
    const MainMenus& Menus() const { return *m_menus; }
    QTabWidget* PageControl() const { return m_pageControl; }
    QMenu* LanguageMenu() const;
    TrayIcon& Tray() const { return *m_tray; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BuildToolBar(QWidget& page);
    void ConnectCommands();
    void UpdateCommandStates();
    void RunPowerCommand(PowerCommand command);
    void OpenTaskEditor(TaskEditorMode mode);
    void SaveAndRebuild(const std::vector<std::string>& taskLines);
    void MaximizeRestore();
    void BindLanguageChoice();
    void TrayStartUp();
    void FormCreate();
    void FormShow();
    void FirstShowPowerTest();
    void StartPowerOnTest();
    void Timer7Timer();
    void HideToTray();
    void Exit1Click();
    void TrayExitClick();
    void EndProcess();
    void Tell(const QString& text);
    bool PasswordMatches(const QString& typed) const;
    void RunHook(const std::function<void()>& hook) const;
    void FillTaskList();
    void StartWakeTimer();
    void StartTick();
    void StopTick();
    void ArmTick();
    void ReportLoadError();
    void ConnectPowerEvents();
    void DisconnectPowerEvents();
    void PowerResumed(ResumeKind kind);
    void WakeTimerFired();

    MainFormServices m_services;
    std::unique_ptr<MainMenus> m_menus;
    TrayIcon* m_tray = nullptr;
    LogoBand* m_logo = nullptr;
    QTabWidget* m_pageControl = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_newBtn = nullptr;
    QAction* m_editBtn = nullptr;
    QAction* m_delBtn = nullptr;
    QAction* m_delAllBtn = nullptr;
    QListWidget* m_taskList = nullptr;
    QTimer* m_timer7 = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer5 = nullptr;
    QTimer* m_timer12 = nullptr;
    QCheckBox* m_languageCheck = nullptr;
    QComboBox* m_languageCombo = nullptr;
    LanguageChoiceBinder* m_languageChoice = nullptr;

    Scheduler m_scheduler;
    StartupOptions m_options;
    bool m_tickRunning = false;
    bool m_inTick = false;
    bool m_startsHidden = false;
    bool m_accessDenied = false;
    bool m_sessionEnding = false;
    bool m_optionsReady = false;
    bool m_shutDownPromptOpen = false;
    bool m_inFormShow = false;  // a show while the first show's boxes are open runs no second round
};

}  // namespace quorvel
