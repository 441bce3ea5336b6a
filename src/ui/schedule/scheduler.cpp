#include "ui/schedule/scheduler.h"

#include <utility>

#include "core/schedule/clock_watch.h"
#include "core/schedule/schedule_texts.h"
#include "core/schedule/tray_hint.h"
#include "core/tasks/task_file.h"

namespace quorvel {

Scheduler::Scheduler(std::string dataDir, TimeFormat format)
    : m_dataDir(std::move(dataDir)), m_format(std::move(format))
{
}

void Scheduler::RecordClockWatch(const LocalMoment& now)
{
    m_clockWatch = ClockWatchRecordAt(now, m_format);
}

void Scheduler::Clear()
{
    // The load error stays: it belongs to the file, which Clear does not look at.
    std::string loadError = std::move(m_build.loadError);
    m_build = ScheduleBuild{};
    m_build.loadError = std::move(loadError);
}

void Scheduler::Load(const LocalMoment& now, const LangLookup& lang)
{
    m_build = BuildScheduleFromFile(m_dataDir, now, m_format, lang, m_lastEventText);
    if (m_build.loadError.empty()) {
        m_reportedLoadError.clear();
    }
}

std::string Scheduler::NoUpcomingTrayHint(const LangLookup& lang) const
{
    return UpcomingText(ScheduleTable{}, ScheduleTexts(lang)) + m_lastEventText;
}

void Scheduler::ResetLastEventText(const LangLookup& lang)
{
    m_lastEventText = InitialLastEventText(ScheduleTexts(lang));
}

void Scheduler::BeginTick(const LocalMoment& now)
{
    m_tick.Begin(now, m_build.table);
}

std::optional<std::size_t> Scheduler::NextDue(const LangLookup& lang)
{
    const std::optional<std::size_t> position = m_tick.Next(m_build.table);
    if (position) {
        m_lastEventText = quorvel::LastEventText(m_build.table.At(*position), ScheduleTexts(lang));
    }
    return position;
}

bool Scheduler::ClockNeedsRebuild(const LocalMoment& now)
{
    const ClockWatchDecision decision = WatchClock(m_clockWatch, now, m_format);
    if (!decision.rebuild) {
        m_clockWatch = decision.record;
    }
    return decision.rebuild;
}

std::optional<std::string> Scheduler::TakeUnreportedLoadError()
{
    if (m_build.loadError.empty() || m_build.loadError == m_reportedLoadError) {
        return std::nullopt;
    }
    m_reportedLoadError = m_build.loadError;
    return m_reportedLoadError;
}

std::string Scheduler::SaveTaskLines(const std::vector<std::string>& taskLines) const
{
    if (!m_build.loadError.empty()) {
        return "task.dat is not saved over, because it could not be read: " + m_build.loadError;
    }
    return SaveTaskFile(m_dataDir, taskLines);
}

}  // namespace quorvel
