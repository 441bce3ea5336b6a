#include "core/schedule/pending_summary.h"

#include "core/schedule/order_tasks.h"
#include "core/tasks/task_fields.h"

namespace quorvel {

void PendingSummary::Add(const ScheduleRow& row)
{
    if (!row.IsPending()) {
        return;
    }
    if (!row.record.Macro.empty()) {
        m_macroPending = true;
    }
    if (row.record.PowerOn.empty()) {
        return;
    }
    m_powerOnPending = true;
    if (row.record.PowerOn != ActionKeyword(ActionKind::PowerOn)) {
        return;
    }
    // Equal seconds mean equal list keys, and rows of equal keys are listed in the order they are
    // met, so the first one met is also the first one listed.
    const std::int64_t seconds = SecondsToOccurrence(*row.occurrence, m_now);
    if (!m_wakeMoment || seconds < m_wakeSeconds) {
        m_wakeMoment = row.occurrence;
        m_wakeSeconds = seconds;
    }
}

}  // namespace quorvel
