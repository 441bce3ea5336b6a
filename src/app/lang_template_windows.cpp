#include "app/lang_template_windows.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include "core/settings/settings_store.h"
#include "core/time/time_format.h"
#include "platform/recording/recording_backend.h"
#include "ui/about/about_box.h"
#include "ui/editor/program_form.h"
#include "ui/editor/task_form.h"
#include "ui/executor/action_runner.h"
#include "ui/executor/connection_dialer.h"
#include "ui/lock/lock_form.h"
#include "ui/main/main_form.h"
#include "ui/message/message_form.h"
#include "ui/modal/modal_host.h"
#include "ui/reminder/reminder_form.h"

namespace quorvel {
namespace {

class NoDialer final : public ConnectionDialer {
public:
    bool AutoConnect() const override { return false; }
    void DialConnection() override {}
};

// Inert services for windows that are only built to be read: settings in a folder of their own,
// every platform request recorded in memory, every modal box answered at once.
struct TemplateServices {
    TemplateServices()
        : settings(QFile::encodeName(dataDir.path()).toStdString()),
          backend(std::make_shared<RequestLog>([] { return LocalMoment{}; })),
          platform(backend.Services())
    {
        modal.SetBoxHook([](QMessageBox&) { return int(QMessageBox::Cancel); });
        modal.SetDialogHook([](QDialog&) { return int(QDialog::Rejected); });
    }

    QTemporaryDir dataDir;
    SettingsStore settings;
    ModalHost modal;
    RecordingBackend backend;
    PlatformServices platform;
    NoDialer dialer;
    ActionRunner actions{platform, dialer, dataDir.path()};
    TimeFormat format{"%H:%M:%S", "%H:%M", "%A %d/%m/%Y", "%d/%m/%Y"};
    bool accessDenied = false;
};

}  // namespace

// One factory per window. A new window gets a line here; its code's message keys go into
// src/ui/lang/lang_message_catalog.cpp.
std::vector<LangTemplateWindowFactory> LanguageTemplateWindows()
{
    const auto env = std::make_shared<TemplateServices>();
    std::vector<LangTemplateWindowFactory> windows;
    windows.push_back([env](TLangMgr& langMgr) -> std::unique_ptr<QWidget> {
        MainFormServices services{
            langMgr, env->modal, env->settings, env->platform, env->dataDir.path(), QString(), QString(),
            true,    {}};
        return std::make_unique<TMainForm>(std::move(services));
    });
    windows.push_back([env](TLangMgr& langMgr) -> std::unique_ptr<QWidget> {
        return std::make_unique<TLockForm>(
            nullptr, langMgr, env->modal, [](const QString&) { return false; }, env->accessDenied);
    });
    windows.push_back([](TLangMgr& langMgr) -> std::unique_ptr<QWidget> {
        return std::make_unique<TMessageForm>(langMgr);
    });
    windows.push_back([](TLangMgr& langMgr) -> std::unique_ptr<QWidget> {
        return std::make_unique<TAboutBox>(nullptr, langMgr);
    });
    windows.push_back([env](TLangMgr& langMgr) -> std::unique_ptr<QWidget> {
        // Counting, so the notice shows its counting text; a reminder that waits shows the
        // catalogue's "Wait" text instead.
        ExecutorContext context{langMgr,
                                env->modal,
                                env->actions,
                                {},
                                env->dataDir.path(),
                                env->format,
                                [] { return LocalMoment{}; },
                                {}};
        return std::make_unique<TReminder>(ReminderRequest{ReminderEvent::ShutDown, "", "", "", 10},
                                           std::move(context));
    });
    windows.push_back([env](TLangMgr& langMgr) -> std::unique_ptr<QWidget> {
        // A new task, so the window shows its New title and no task's texts.
        return std::make_unique<TTaskForm>(
            nullptr, TaskEditorMode::New,
            TaskEditorServices{langMgr,
                               env->modal,
                               env->platform,
                               env->dataDir.path(),
                               env->format,
                               [] {
                                   return LocalMoment{Date{2000, 1, 1}, TimeOfDay{}, 0};
                               },
                               {}},
            TaskListAccess{});
    });
    windows.push_back([env](TLangMgr& langMgr) -> std::unique_ptr<QWidget> {
        return std::make_unique<TProgramForm>(nullptr, langMgr, *env->platform.launcher, FileChooser(),
                                              QString(), QString());
    });
    return windows;
}

}  // namespace quorvel
