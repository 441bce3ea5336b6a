#pragma once

#include <QString>
#include <functional>

#include "core/time/civil_time.h"
#include "ui/executor/schedule_access.h"
#include "ui/reminder/countdown_timer.h"

class TLangMgr;

namespace quorvel {

class ActionRunner;
class ModalHost;
class TimeFormat;

// What the executor and every reminder window it opens work with, handed in by the main window.
// Everything referenced outlives them.
struct ExecutorContext {
    TLangMgr& langMgr;
    const ModalHost& modal;
    ActionRunner& actions;
    ScheduleAccess schedule;
    QString dataDir;
    const TimeFormat& format;
    std::function<LocalMoment()> clock;
    CountdownTimerFactory countdownTimer;  // empty: the real one-second timer
};

}  // namespace quorvel
