// The main window's part in scheduling: the rebuild with its ten steps, the tick, the clock
// watch and the wake timer. What to do is core's decision (see Scheduler); this only carries it
// out on the screen and through the platform services.
#include <QListWidget>
#include <QMetaObject>

#include "core/schedule/tick_delay.h"
#include "core/schedule/tray_hint.h"
#include "platform/free_memory.h"
#include "platform/local_to_utc.h"
#include "platform/platform_services.h"
#include "platform/task_text_decoding.h"
#include "ui/main/main_form.h"

namespace quorvel {

namespace {

// A separate program whose running copies are ended at every rebuild.
constexpr const char* kCompanionProgram = "Pelmora.exe";

}  // namespace

void TMainForm::RebuildSchedule()
{
    const PlatformServices& platform = m_services.platform;
    // One moment for the whole rebuild, so the clock-watch record and the dating agree.
    const LocalMoment now = m_services.clock();

    platform.screenSaver->SetScreenSaver(true);
    SetTrayHint(DecodeTaskText(TrayHintForDisplay(m_scheduler.NoUpcomingTrayHint(Lookup()))));
    EnableDebugPrivilege();
    KillTask(kCompanionProgram);
    StopTick();
    m_scheduler.RecordClockWatch(now);
    m_scheduler.Clear();
    FillTaskList();
    m_scheduler.Load(now, Lookup());
    FillTaskList();
    // A macro replays keys and mouse moves; a screen saver in between would swallow them.
    if (m_scheduler.KeepScreenSaverOff()) {
        platform.screenSaver->SetScreenSaver(false);
    }
    if (m_scheduler.HasTasks()) {
        StartWakeTimer();
        SetTrayHint(DecodeTaskText(TrayHintForDisplay(m_scheduler.TrayHint())));
    } else {
        platform.wakeTimer->CancelWakeTimer();
    }
    if (!m_scheduler.LoadError().empty()) {
        // Told once the rebuild is over: a box opened in the middle would let the timers run
        // against a half-built schedule.
        QMetaObject::invokeMethod(this, &TMainForm::ReportLoadError, Qt::QueuedConnection);
    }
}

void TMainForm::FillTaskList()
{
    m_taskList->clear();
    if (m_scheduler.Table().Empty()) {
        m_taskList->addItem(LangStr(QStringLiteral("NoTask"), QStringLiteral("No Task.")));
        return;
    }
    for (const ScheduleRow& row : m_scheduler.Table().Rows()) {
        m_taskList->addItem(DecodeTaskText(row.displayLine));
    }
    // A fresh list starts on its first task, so Edit and Delete always have a row to work on.
    m_taskList->setCurrentRow(0);
}

void TMainForm::StartWakeTimer()
{
    EnableDebugPrivilege();
    KillTask(kCompanionProgram);
    WakeTimer& wakeTimer = *m_services.platform.wakeTimer;
    // Arming replaces whatever was armed before, by us or by another copy of the program.
    if (const std::optional<LocalMoment>& wake = m_scheduler.WakeMoment()) {
        wakeTimer.ArmWakeTimer(LocalToUtc(*wake));
    } else {
        wakeTimer.CancelWakeTimer();
    }
    StartTick();
}

void TMainForm::ReportLoadError()
{
    if (const std::optional<std::string> error = m_scheduler.TakeUnreportedLoadError()) {
        Tell(LangStr(QStringLiteral("TaskFileUnreadable"),
                     QStringLiteral("The scheduled tasks could not be read, so none of them is shown or "
                                    "carried out. The task file is left as it is.")) +
             QStringLiteral("\n\n") + DecodeTaskText(*error));
    }
}

void TMainForm::StartTick()
{
    m_tickRunning = true;
    ArmTick();
}

void TMainForm::StopTick()
{
    m_tickRunning = false;
    m_timer1->stop();
}

void TMainForm::ArmTick()
{
    m_timer1->start(MillisecondsToNextTick(m_services.clock()));
}

void TMainForm::Timer1Timer()
{
    // A task's own dialog may run the event loop while it is carried out; a tick arriving then
    // leaves the seconds to the tick after the outer one, which examines them all.
    if (m_inTick || !m_tickRunning) {
        return;
    }
    m_inTick = true;
    if (m_scheduler.HasTasks()) {
        m_scheduler.BeginTick(m_services.clock());
        while (const std::optional<std::size_t> position = m_scheduler.NextDue(Lookup())) {
            dodo(*position);
        }
    }
    m_inTick = false;
    // Stopped when the rebuild after a firing found no task left.
    if (m_tickRunning) {
        ArmTick();
    }
}

void TMainForm::dodo(std::size_t position)
{
    StopTick();
    if (m_services.hooks.executeTask) {
        m_services.hooks.executeTask(position);
    }
    RebuildSchedule();
}

void TMainForm::Timer5Timer()
{
    if (m_scheduler.ClockNeedsRebuild(m_services.clock())) {
        RebuildSchedule();
    } else {
        ReturnFreeMemoryToSystem();
    }
}

void TMainForm::KillTask(const std::string& name)
{
    m_services.platform.processControl->KillTask(name);
}

bool TMainForm::EnableDebugPrivilege()
{
    return m_services.platform.privileges->EnableDebugPrivilege();
}

bool TMainForm::EnabledDebugPrivilege(bool enable)
{
    return m_services.platform.privileges->EnabledDebugPrivilege(enable);
}

QString TMainForm::LastEventText() const
{
    return DecodeTaskText(m_scheduler.LastEventText());
}

}  // namespace quorvel
