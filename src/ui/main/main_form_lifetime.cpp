// The main window's life: start-up steps, every show, the close question and the ways out.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QTabWidget>
#include <chrono>
#include <cstdio>

#include "core/log/run_log.h"
#include "core/security/scramble_password.h"
#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "platform/current_user.h"
#include "platform/platform_services.h"
#include "ui/lang/language_choice_binder.h"
#include "ui/lock/lock_form.h"
#include "ui/main/main_form.h"
#include "ui/main/main_menus.h"
#include "ui/modal/main_message_box.h"
#include "ui/modal/modal_host.h"
#include "ui/tray/tray_icon.h"

namespace quorvel {

void TMainForm::TrayStartUp()
{
    QDir().mkpath(m_services.dataDir);
    m_options.runMinimized = m_services.settings.IsOn(settings::kStartInTray);
    if (!m_services.trayAvailable) {
        std::fprintf(stderr,
                     "quorvel: this desktop has no notification area; the main window stays shown and "
                     "minimises to the taskbar\n");
        return;
    }
    m_startsHidden = m_options.runMinimized;
    m_tray->Show();
}

void TMainForm::FormCreate()
{
    QDir().mkpath(m_services.dataDir);
    m_scheduler.ResetLastEventText(Lookup());
    m_optionsReady = false;

    const QString logPath = QDir(m_services.dataDir).filePath(QStringLiteral("log.txt"));
    const std::string logError = CapRunLog(QFile::encodeName(logPath).toStdString());
    if (!logError.empty()) {
        // The log keeps nothing anyway; the program runs on without it.
        std::fprintf(stderr, "quorvel: run log: %s\n", logError.c_str());
    }
    const AppLog log;
    log.Write("       ");
    log.Write(std::string(42, '-'));
    log.Write(
        (QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat) + QStringLiteral("  Run"))
            .toStdString());

    const PlatformServices& platform = m_services.platform;
    const SettingsStore& store = m_services.settings;
    if (store.IsOn(settings::kTimeSyncAtStart)) {
        platform.clockSync->StartClockSync(store.Read(settings::kTimeServer));
    }
    const AutoLogonSettings autoLogon = platform.autoLogon->ReadAutoLogon();
    platform.powerPolicy->ApplyResumePasswordPolicy(autoLogon.enabled);

    m_options.runAtStartup =
        QString::fromStdString(platform.autostart->AutostartCommand()) == m_services.executablePath;
    m_menus->trayRunAtStartup->setChecked(m_options.runAtStartup);

    m_options.autoLogonEnabled = autoLogon.enabled;
    m_options.autoLogonUserName =
        QString::fromStdString(autoLogon.userName.empty() ? CurrentLoginName() : autoLogon.userName);
    m_options.autoLogonPassword = QString::fromStdString(autoLogon.password);

    RebuildSchedule();

    m_options.lockDesktopWhileRunning = store.IsOn(settings::kLockDesktopWhileRunning);
    if (m_options.lockDesktopWhileRunning) {
        platform.desktopLock->LockDesktop();
    }
    m_options.protectSettings = store.IsOn(settings::kProtectWithPassword);
    m_options.passwordSet = !store.Read(settings::kLockPassword).empty();

    platform.langManagerStore->SetProgramFolder(QFile::encodeName(m_services.programFolder).toStdString());
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The steps may open modal boxes: run them once the show itself is done.
    if (!event->spontaneous()) {
        QMetaObject::invokeMethod(this, &TMainForm::FormShow, Qt::QueuedConnection);
    }
}

void TMainForm::FormShow()
{
    if (m_inFormShow || !isVisible()) {
        return;
    }
    m_inFormShow = true;
    m_languageChoice->PlaceControls();
    RebuildSchedule();
    RunHook(m_services.hooks.resetAutoShutdownStatus);
    m_accessDenied = false;
    FirstShowPowerTest();
    if (m_services.settings.IsOn(settings::kProtectWithPassword)) {
        ShowLockPrompt();
    }
    m_timer7->start();
    m_inFormShow = false;
}

void TMainForm::FirstShowPowerTest()
{
    const SettingsStore& store = m_services.settings;
    if (!store.Read(settings::kFirstShow)) {
        return;
    }
    // Written before asking, so the offer comes once whatever the answer.
    const ProfileWriteResult written = store.Write(settings::kFirstShow, false);
    if (!written.ok()) {
        Tell(QString::fromStdString(written.message));
    }
    const QString question =
        LangStr(QStringLiteral("PowerTest"),
                QStringLiteral(
                    "To test the power-on capabilities of your computer click [OK] now. The computer will be "
                    "powered off, and it will try to automatically power on after 3 minutes."));
    if (MainMessageBox(m_services.modal, *this, *this).Ask(question)) {
        StartPowerOnTest();
    }
}

void TMainForm::StartPowerOnTest()
{
    // The test timer wakes the machine 210 s after it is set (the question says about 3 minutes).
    m_services.platform.wakeTimer->ArmWakeTestTimer(std::chrono::seconds(210));
    SleepForWake(true);
}

void TMainForm::Timer7Timer()
{
    m_timer7->stop();
    if (m_accessDenied) {
        MinimizeApplication();
    }
}

void TMainForm::ShowLockPrompt()
{
    TLockForm prompt(
        this, LangMgr(), m_services.modal, [this](const QString& typed) { return PasswordMatches(typed); },
        m_accessDenied);
    m_services.modal.RunDialog(prompt);
}

void TMainForm::BringBack(Page page)
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    m_pageControl->setCurrentIndex(int(page));
}

void TMainForm::HandOffReceived()
{
    BringBack(Page::ScheduledTasks);
}

void TMainForm::MinimizeApplication()
{
    if (m_services.trayAvailable) {
        HideToTray();
    } else {
        showMinimized();
    }
}

void TMainForm::HideToTray()
{
    // A hidden window has no taskbar button; only the tray icon is left.
    hide();
}

void TMainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && m_services.trayAvailable) {
        // Hiding inside the state change confuses some window managers; do it right after.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isMinimized()) {
                    HideToTray();
                }
            },
            Qt::QueuedConnection);
    }
}

void TMainForm::SessionEnding()
{
    m_sessionEnding = true;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (m_sessionEnding) {
        event->accept();
        return;
    }
    event->ignore();
    const QString question = LangStr(QStringLiteral("OnClose1"),
                                     QStringLiteral("Quit this program all functions will be disabled!")) +
                             QLatin1Char('\n') +
                             LangStr(QStringLiteral("OnClose2"), QStringLiteral("Minimize to system tray?"));
    const bool toTray = MainMessageBox(m_services.modal, *this, *this).Ask(question);
    MinimizeApplication();
    if (!toTray) {
        EndProcess();
    }
}

void TMainForm::Exit1Click()
{
    EndProcess();
}

void TMainForm::TrayExitClick()
{
    m_accessDenied = false;
    if (m_services.settings.IsOn(settings::kProtectWithPassword)) {
        ShowLockPrompt();
    }
    if (!m_accessDenied) {
        EndProcess();
    }
}

void TMainForm::EndProcess()
{
    // Every way out gives the screen saver back: a task with a macro may have switched it off.
    m_services.platform.screenSaver->SetScreenSaver(true);
    if (m_services.hooks.endProcess) {
        m_services.hooks.endProcess();
    } else {
        QCoreApplication::quit();
    }
}

void TMainForm::SetTrayHint(const QString& hint)
{
    m_tray->SetHint(hint);
}

void TMainForm::Tell(const QString& text)
{
    MainMessageBox(m_services.modal, *this, *this).Tell(text, QMessageBox::Warning);
}

bool TMainForm::PasswordMatches(const QString& typed) const
{
    // Read at every try: a password changed meanwhile counts at once.
    return ScramblePassword(typed.toUtf8().toStdString()) ==
           m_services.settings.Read(settings::kLockPassword);
}

void TMainForm::RunHook(const std::function<void()>& hook) const
{
    if (hook) {
        hook();
    }
}

}  // namespace quorvel
