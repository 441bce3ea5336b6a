#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/clock_watch_record.h"
#include "core/schedule/schedule_build.h"
#include "core/schedule/tick_check.h"
#include "core/text/lang_lookup.h"
#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// The scheduler's working state between rebuilds, as core computed it: TaskLines, the
// ScheduleTable, PowerOnPending, the wake moment, LastEventText, the clock-watch record and the
// tick's memory. The main window shows it and drives it from its timers; every decision is
// core's, and every moment is handed in.
class Scheduler {
public:
    Scheduler(std::string dataDir, TimeFormat format);

    // The clock-watch record of a rebuild, taken before the task file is read.
    void RecordClockWatch(const LocalMoment& now);
    // No tasks until the next Load.
    void Clear();
    // Reads task.dat and dates and orders its tasks at `now`.
    void Load(const LocalMoment& now, const LangLookup& lang);

    const std::vector<std::string>& TaskLines() const { return m_build.taskLines; }
    const ScheduleTable& Table() const { return m_build.table; }
    bool HasTasks() const { return !m_build.taskLines.empty(); }
    bool PowerOnPending() const { return m_build.powerOnPending; }
    const std::optional<LocalMoment>& WakeMoment() const { return m_build.wakeMoment; }
    bool KeepScreenSaverOff() const { return m_build.keepScreenSaverOff; }

    // The tray hint as the last Load left it, with the last event as it stands now.
    std::string TrayHint() const { return m_build.upcomingText + m_lastEventText; }
    // The hint while nothing is known to come: "Upcoming event:None" and the last event.
    std::string NoUpcomingTrayHint(const LangLookup& lang) const;

    const std::string& LastEventText() const { return m_lastEventText; }
    // Before anything fired: "\n\rLast event:None" in the current language.
    void ResetLastEventText(const LangLookup& lang);

    // One tick at `now`: the positions due since the previous tick, one at a time. Each one
    // returned becomes the last event. Next sees the table as it is by then: firing rebuilds it.
    void BeginTick(const LocalMoment& now);
    std::optional<std::size_t> NextDue(const LangLookup& lang);

    // One clock-watch run at `now`. True when the schedule must be rebuilt; a quiet run keeps
    // what it saw for the next one.
    bool ClockNeedsRebuild(const LocalMoment& now);
    const ClockWatchRecord& ClockWatch() const { return m_clockWatch; }

    // Why the last Load could not read task.dat, which then holds tasks nobody has seen; empty
    // when it could.
    const std::string& LoadError() const { return m_build.loadError; }
    // The load error when it has not been handed out before, so the user hears of it once and
    // again only after the file was readable in between or fails in another way.
    std::optional<std::string> TakeUnreportedLoadError();

    // Writes `taskLines` as task.dat. Refused while the file could not be read, since saving
    // would replace tasks that were never loaded. Empty on success, else what went wrong.
    std::string SaveTaskLines(const std::vector<std::string>& taskLines) const;

private:
    std::string m_dataDir;
    TimeFormat m_format;
    ScheduleBuild m_build;
    std::string m_lastEventText;
    ClockWatchRecord m_clockWatch;
    TickCheck m_tick;
    std::string m_reportedLoadError;
};

}  // namespace quorvel
