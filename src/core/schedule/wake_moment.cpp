#include "core/schedule/wake_moment.h"

#include <cstdint>

#include "core/schedule/order_tasks.h"
#include "core/tasks/task_fields.h"

namespace quorvel {

bool PowerOnPending(const ScheduleTable& table)
{
    for (const ScheduleRow& row : table.Rows()) {
        if (row.IsPending() && !row.record.PowerOn.empty()) {
            return true;
        }
    }
    return false;
}

std::optional<LocalMoment> WakeMoment(const ScheduleTable& table, const LocalMoment& now)
{
    const std::string_view keyword = ActionKeyword(ActionKind::PowerOn);
    std::optional<LocalMoment> earliest;
    std::int64_t earliestSeconds = 0;
    for (const ScheduleRow& row : table.Rows()) {
        if (!row.IsPending() || row.record.PowerOn != keyword) {
            continue;
        }
        const std::int64_t seconds = SecondsToOccurrence(*row.occurrence, now);
        if (!earliest || seconds < earliestSeconds) {
            earliest = row.occurrence;
            earliestSeconds = seconds;
        }
    }
    return earliest;
}

}  // namespace quorvel
