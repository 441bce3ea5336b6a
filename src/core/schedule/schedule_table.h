#pragma once

#include <cstddef>
#include <vector>

#include "core/schedule/schedule_row.h"

namespace quorvel {

// The rows of one rebuild in list order. Positions are 1-based, as the task list numbers them.
struct ScheduleTable {
    std::vector<ScheduleRow> rows;

    std::size_t Size() const { return rows.size(); }
    bool Empty() const { return rows.empty(); }
    const ScheduleRow& At(std::size_t position) const { return rows.at(position - 1); }
};

}  // namespace quorvel
