#include "app/lang_template_windows.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include "core/settings/settings_store.h"
#include "platform/recording/recording_backend.h"
#include "ui/lock/lock_form.h"
#include "ui/main/main_form.h"
#include "ui/modal/modal_host.h"

namespace quorvel {
namespace {

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
    return windows;
}

}  // namespace quorvel
