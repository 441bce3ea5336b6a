#include "core/schedule/due_positions.h"

#include <algorithm>
#include <utility>

#include "core/schedule/calendar.h"

namespace quorvel {

std::optional<TickSpan> TickSpanFor(std::optional<std::int64_t> previousSecond, std::int64_t nowSecond)
{
    if (!previousSecond) {
        return TickSpan{nowSecond, nowSecond};
    }
    const std::int64_t step = nowSecond - *previousSecond;
    if (step == 0) {
        return std::nullopt;
    }
    if (step > 0 && step <= kMaxTickGapSeconds) {
        return TickSpan{*previousSecond + 1, nowSecond};
    }
    return TickSpan{nowSecond, nowSecond};
}

std::optional<std::int64_t> OccurrenceSecond(const ScheduleRow& row)
{
    if (!row.occurrence) {
        return std::nullopt;
    }
    return LocalSecondOf(*row.occurrence);
}

std::vector<std::size_t> DuePositions(const ScheduleTable& table, const TickSpan& span)
{
    std::vector<std::pair<std::int64_t, std::size_t>> due;
    for (std::size_t position = 1; position <= table.Size(); ++position) {
        const ScheduleRow& row = table.At(position);
        if (!row.IsPending()) {
            continue;
        }
        const std::int64_t second = *OccurrenceSecond(row);
        if (second >= span.first && second <= span.last) {
            due.emplace_back(second, position);
        }
    }
    std::sort(due.begin(), due.end());

    std::vector<std::size_t> positions;
    positions.reserve(due.size());
    for (const auto& entry : due) {
        positions.push_back(entry.second);
    }
    return positions;
}

std::vector<std::size_t> DuePositions(const std::optional<LocalMoment>& previousTick, const LocalMoment& now,
                                      const ScheduleTable& table)
{
    std::optional<std::int64_t> previousSecond;
    if (previousTick) {
        previousSecond = LocalSecondOf(*previousTick);
    }
    const std::optional<TickSpan> span = TickSpanFor(previousSecond, LocalSecondOf(now));
    if (!span) {
        return {};
    }
    return DuePositions(table, *span);
}

}  // namespace quorvel
