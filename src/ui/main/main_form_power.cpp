#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "core/schedule/wake_sleep_choice.h"
#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "platform/platform_services.h"
#include "ui/lang/lang_mgr.h"
#include "ui/main/main_form.h"
#include "ui/modal/modal_host.h"

namespace quorvel {

namespace {

// A person away from the machine must not keep it from the sleep the power-on task needs.
constexpr int kPromptConfirmMs = 10000;

}  // namespace

void TMainForm::ConnectPowerEvents()
{
    m_timer12 = new QTimer(this);
    m_timer12->setObjectName(QStringLiteral("Timer12"));
    m_timer12->setSingleShot(true);
    m_timer12->setInterval(100);
    connect(m_timer12, &QTimer::timeout, this, &TMainForm::Timer12Timer);

    const PlatformServices& platform = m_services.platform;
    platform.powerEvents->SetResumeHandler([this](ResumeKind kind) { PowerResumed(kind); });
    platform.wakeTimer->SetWakeTimerHandler([this] { WakeTimerFired(); });
}

void TMainForm::DisconnectPowerEvents()
{
    // The services may outlive the window; their handlers must not reach a window that is gone.
    m_services.platform.powerEvents->SetResumeHandler({});
    m_services.platform.wakeTimer->SetWakeTimerHandler({});
}

void TMainForm::PowerResumed(ResumeKind kind)
{
    if (kind == ResumeKind::WithUserInput) {
        // Someone is at the machine: it may sleep again by its own rules.
        m_services.platform.keepAwake->ClearKeepAwake();
        return;
    }
    m_services.platform.keepAwake->KeepAwake();
    // The rebuild also aims the wake timer at the next power-on task.
    RebuildSchedule();
    if (m_services.settings.IsOn(settings::kLockDesktopWhileRunning)) {
        m_services.platform.desktopLock->LockDesktop();
    }
}

void TMainForm::WakeTimerFired()
{
    // Only a wake nobody has touched yet needs holding awake; a person at the machine decides.
    if (m_services.platform.powerEvents->IsSystemResumeAutomatic()) {
        m_timer12->start();
    }
}

void TMainForm::Timer12Timer()
{
    m_timer12->stop();
    m_services.platform.keepAwake->KeepAwake();
}

void TMainForm::SleepForWake(bool hibernate)
{
    EnabledDebugPrivilege(true);
    if (hibernate) {
        m_services.platform.sleep->Hibernate();
    } else {
        m_services.platform.sleep->Suspend();
    }
}

void TMainForm::ShutDownForWake()
{
    // The tray menu stays usable under the prompt; a second Shut Down must not stack a second
    // prompt whose answer would follow the first one's sleep.
    if (m_shutDownPromptOpen) {
        return;
    }
    if (!m_scheduler.PowerOnPending()) {
        m_services.platform.session->PowerOffSystem();
        return;
    }
    // Read before asking: the answer may come ten seconds later, and the machine should sleep
    // by what it could do when the user chose.
    const bool hibernate = HibernatesForWake(int(m_services.platform.powerCapabilities->RtcWake()));
    const QString text = LangMgr().LangFileStr(
        QStringLiteral("WakeDll"), QStringLiteral("Message"),
        QStringLiteral("The computer is about to enter the lowest sleep state that supports wake capability. "
                       "Click [Cancel] to power off the computer completely and disable automatic restart."));
    // No owner: the prompt must stand even while the window is hidden in the tray.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quorvel "), text,
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setObjectName(QStringLiteral("WakePrompt"));
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.setDefaultButton(QMessageBox::Ok);

    QTimer confirm(&box);
    confirm.setObjectName(QStringLiteral("tcloseother2"));
    confirm.setSingleShot(true);
    confirm.setInterval(kPromptConfirmMs);
    connect(&confirm, &QTimer::timeout, &box, [&box] { box.done(QMessageBox::Ok); });
    confirm.start();

    m_shutDownPromptOpen = true;
    const int answer = m_services.modal.RunBox(box);
    m_shutDownPromptOpen = false;
    confirm.stop();
    if (answer == QMessageBox::Ok) {
        SleepForWake(hibernate);
    } else {
        m_services.platform.session->PowerOffSystem();
    }
}

}  // namespace quorvel
