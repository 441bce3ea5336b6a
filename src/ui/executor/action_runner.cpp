#include "ui/executor/action_runner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "core/executor/macro_file_lines.h"
#include "ui/executor/connection_dialer.h"

namespace quorvel {
namespace {

constexpr int kSleepDelayMs = 1000;

QTimer* OneShot(QObject* owner, const char* name)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setSingleShot(true);
    timer->setInterval(kSleepDelayMs);
    return timer;
}

void Arm(QTimer* timer)
{
    // A second request while one is pending keeps the first deadline.
    if (!timer->isActive()) {
        timer->start();
    }
}

}  // namespace

ActionRunner::ActionRunner(PlatformServices platform, ConnectionDialer& dialer, QString dataDir,
                           QObject* parent)
    : QObject(parent),
      m_platform(std::move(platform)),
      m_dialer(dialer),
      m_dataDir(std::move(dataDir)),
      m_timer13(OneShot(this, "Timer13")),
      m_timer14(OneShot(this, "Timer14"))
{
    setObjectName(QStringLiteral("ActionRunner"));
    connect(m_timer13, &QTimer::timeout, this, &ActionRunner::Timer13Timer);
    connect(m_timer14, &QTimer::timeout, this, &ActionRunner::Timer14Timer);
}

bool ActionRunner::Run(const ExecutorStep& step)
{
    switch (step.kind) {
        case StepKind::TurnMonitorOff:
            m_platform.monitorPower->TurnMonitorOff();
            return true;
        case StepKind::EnableDebugPrivilege:
            m_platform.privileges->EnableDebugPrivilege();
            return true;
        case StepKind::KillTask:
            m_platform.processControl->KillTask(step.target);
            return true;
        case StepKind::StartProgram:
            m_platform.launcher->StartProgram(step.target, step.parameters);
            return true;
        case StepKind::LogOffSession:
            m_platform.session->LogOffSession();
            return true;
        case StepKind::MessageBeep:
            Beep();
            return true;
        case StepKind::LockDesktop:
            m_platform.desktopLock->LockDesktop();
            return true;
        case StepKind::RestartSystemForced:
            m_platform.session->RestartSystemForced();
            return true;
        case StepKind::ShellOpen:
            m_platform.launcher->ShellOpen(step.target);
            return true;
        case StepKind::DialConnection:
            m_dialer.DialConnection();
            return true;
        case StepKind::ReplayMacro:
            m_platform.macroReplayer->ReplayMacro(step.target, step.lines, step.leadIn);
            return true;
        case StepKind::StandBySoon:
            Arm(m_timer13);
            return true;
        case StepKind::HibernateSoon:
            Arm(m_timer14);
            return true;
        case StepKind::PowerOffSystemForced:
            m_platform.session->PowerOffSystemForced();
            return true;
        case StepKind::StopTick:
        case StepKind::ShowMessage:
        case StepKind::OpenReminder:
        case StepKind::RebuildSchedule:
            return false;
    }
    return false;
}

ExecutorSettings ActionRunner::Settings() const
{
    ExecutorSettings settings;
    settings.autoConnect = m_dialer.AutoConnect();
    settings.loadMacro = [dataDir = m_dataDir](const std::string& file) {
        // A file name without a folder is one of DataDir's, as every file the program keeps.
        const QString path = QDir(dataDir).filePath(QFile::decodeName(file.c_str()));
        return ReadMacroFileLines(QFile::encodeName(path).toStdString());
    };
    return settings;
}

void ActionRunner::Beep()
{
    QApplication::beep();
}

void ActionRunner::Timer13Timer()
{
    m_timer13->stop();
    m_platform.privileges->EnabledDebugPrivilege(true);
    m_platform.sleep->Suspend();
}

void ActionRunner::Timer14Timer()
{
    m_timer14->stop();
    m_platform.privileges->EnabledDebugPrivilege(true);
    m_platform.sleep->Hibernate();
}

}  // namespace quorvel
