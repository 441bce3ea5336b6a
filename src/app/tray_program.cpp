#include "app/tray_program.h"

#include <QApplication>
#include <QFile>
#include <QSessionManager>
#include <QSystemTrayIcon>

#include "app/help_page.h"
#include "app/lang_setup.h"
#include "app/task_execution.h"
#include "core/settings/settings_store.h"
#include "core/time/time_format.h"
#include "platform/linux/lock_file_single_instance.h"
#include "platform/local_clock.h"
#include "ui/editor/open_task_editor.h"
#include "ui/lang/lang_mgr.h"
#include "ui/main/main_form.h"
#include "ui/modal/modal_host.h"

namespace quorvel {

int RunTrayProgram(const StartUp& startUp)
{
    // Decided before any window or file is touched, so a second copy leaves no trace.
    LockFileSingleInstance singleInstance(
        RuntimeFolderForSingleInstance(qEnvironmentVariable("XDG_RUNTIME_DIR"), startUp.dataDir));
    if (singleInstance.Claim() == SingleInstance::Role::Second) {
        return 0;
    }

    // Dialogs closing while the main window sits in the tray must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quorvel/quorvel.png")));

    const QString programFolder = QCoreApplication::applicationDirPath();
    SettingsStore settings(QFile::encodeName(startUp.dataDir).toStdString());
    TLangMgr langMgr(DefaultLangMgrConfig(programFolder, startUp.services->langManagerStore));
    ModalHost modal;
    const TimeFormat timeFormat = TimeFormatFromCurrentLocale();
    TaskExecution execution(langMgr, modal, settings, *startUp.services, startUp.dataDir, timeFormat,
                            CurrentLocalMoment);
    MainFormServices services{langMgr,
                              modal,
                              settings,
                              *startUp.services,
                              startUp.dataDir,
                              programFolder,
                              QCoreApplication::applicationFilePath(),
                              QSystemTrayIcon::isSystemTrayAvailable(),
                              {},
                              CurrentLocalMoment,
                              timeFormat};
    services.hooks.executeTask = execution.ExecuteTaskHook();
    services.helpFile = HelpPagePath(programFolder);
    // New, Edit, a double click in the list and the tray's New Scheduled Task open the editor.
    const TaskEditorServices editorServices{
        langMgr, modal, *startUp.services, startUp.dataDir, timeFormat, CurrentLocalMoment, {}};
    services.hooks.openTaskEditor = [&editorServices](TMainForm& window, TaskEditorMode mode) {
        OpenTaskEditor(window, mode, editorServices);
    };
    TMainForm mainForm(std::move(services));
    execution.Attach(mainForm);

    QObject::connect(&singleInstance, &SingleInstance::HandOffReceived, &mainForm,
                     &TMainForm::HandOffReceived);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &mainForm,
                     [&mainForm](QSessionManager&) { mainForm.SessionEnding(); });

    if (!mainForm.StartsHidden()) {
        mainForm.show();
    }
    return QApplication::exec();
}

}  // namespace quorvel
