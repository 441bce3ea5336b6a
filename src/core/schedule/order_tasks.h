#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/schedule/schedule_row.h"
#include "core/time/civil_time.h"

namespace quorvel {

// Signed whole seconds from `now` to `occurrence`: the difference of the times of day in
// milliseconds divided by 1000 and truncated toward zero, plus 86400 per day between the dates.
std::int64_t SecondsToOccurrence(const LocalMoment& occurrence, const LocalMoment& now);

// Where a dated row stands in the list order, as one number: rows in list order have ascending
// ranks, and rows of equal rank keep their given order.
std::uint64_t OrderRank(const ScheduleRow& row);

// A row's rank and its index among the rows.
struct RankedRow {
    std::uint64_t rank = 0;
    std::size_t index = 0;
};

// The indices of `ranked`, which holds the rows in index order, in list order: by rank, equal
// ranks by index.
std::vector<std::size_t> OrderByRank(std::vector<RankedRow> ranked);

// The list order of `rows`, as indices into it: first the tasks still to come, then the Passed
// ones, each by ascending orderKey, then the tasks without an occurrence. Equal keys keep the
// given order. Every index appears exactly once.
std::vector<std::size_t> OrderTasks(const std::vector<ScheduleRow>& rows);

}  // namespace quorvel
