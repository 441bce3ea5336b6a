#pragma once

#include <cstddef>
#include <ranges>
#include <utility>
#include <vector>

#include "core/schedule/schedule_row.h"

namespace quorvel {

// The rows of one rebuild in list order. Positions are 1-based, as the task list numbers them.
// The rows stay where they were dated and an index gives the list order, so ordering never moves
// the rows themselves.
class ScheduleTable {
public:
    ScheduleTable() = default;
    // `order` holds every index of `rows` once, in list order.
    ScheduleTable(std::vector<ScheduleRow> rows, std::vector<std::size_t> order)
        : m_rows(std::move(rows)), m_order(std::move(order))
    {
    }

    std::size_t Size() const { return m_order.size(); }
    bool Empty() const { return m_order.empty(); }
    const ScheduleRow& At(std::size_t position) const { return m_rows[m_order.at(position - 1)]; }

    // The rows in list order, for range-for.
    auto Rows() const
    {
        return m_order | std::views::transform(
                             [this](std::size_t index) -> const ScheduleRow& { return m_rows[index]; });
    }

private:
    std::vector<ScheduleRow> m_rows;
    std::vector<std::size_t> m_order;
};

}  // namespace quorvel
