#include "core/schedule/tick_check.h"

#include <algorithm>
#include <utility>

#include "core/schedule/calendar.h"
#include "core/schedule/due_positions.h"

namespace quorvel {

namespace {

// How long a fired occurrence is remembered: long enough for any clock correction, and bounded so
// the memory stays small.
constexpr std::int64_t kFiredMemorySeconds = 2 * kSecondsPerDay;
constexpr std::size_t kFiredMemoryEntries = 512;

std::size_t TwinsBefore(const ScheduleTable& table, std::size_t position)
{
    const TaskRecordView& record = table.At(position).record;
    std::size_t twins = 0;
    for (std::size_t before = 1; before < position; ++before) {
        twins += table.At(before).record == record ? 1 : 0;
    }
    return twins;
}

std::optional<std::size_t> FindTwin(const ScheduleTable& table, const TaskRecord& record, std::size_t twin)
{
    std::size_t seen = 0;
    for (std::size_t position = 1; position <= table.Size(); ++position) {
        if (table.At(position).record == record && seen++ == twin) {
            return position;
        }
    }
    return std::nullopt;
}

}  // namespace

void TickCheck::Begin(const LocalMoment& now, const ScheduleTable& table)
{
    const std::int64_t nowSecond = LocalSecondOf(now);
    const std::optional<TickSpan> span = TickSpanFor(m_lastSecond, nowSecond);
    m_lastSecond = nowSecond;
    m_due.clear();
    Forget(nowSecond);
    if (!span) {
        return;
    }
    // Each remembered firing accounts for one due row only, so duplicated lines still all fire.
    std::vector<bool> accounted(m_fired.size(), false);
    for (const std::size_t position : DuePositions(table, *span)) {
        const ScheduleRow& row = table.At(position);
        const std::int64_t second = *OccurrenceSecond(row);
        bool firedBefore = false;
        for (std::size_t i = 0; i < m_fired.size() && !firedBefore; ++i) {
            if (!accounted[i] && m_fired[i].second == second && m_fired[i].record == row.record) {
                accounted[i] = true;
                firedBefore = true;
            }
        }
        if (!firedBefore) {
            m_due.push_back(Occurrence{second, row.Record(), TwinsBefore(table, position)});
        }
    }
}

std::optional<std::size_t> TickCheck::Next(const ScheduleTable& table)
{
    while (!m_due.empty()) {
        Occurrence occurrence = std::move(m_due.front());
        m_due.pop_front();
        const std::optional<std::size_t> position = FindTwin(table, occurrence.record, occurrence.twin);
        if (!position) {
            continue;
        }
        m_fired.push_back(std::move(occurrence));
        if (m_fired.size() > kFiredMemoryEntries) {
            m_fired.pop_front();
        }
        return position;
    }
    return std::nullopt;
}

void TickCheck::Forget(std::int64_t nowSecond)
{
    std::erase_if(m_fired, [&](const Occurrence& occurrence) {
        return occurrence.second < nowSecond - kFiredMemorySeconds;
    });
}

}  // namespace quorvel
