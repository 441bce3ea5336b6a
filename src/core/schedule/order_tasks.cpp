#include "core/schedule/order_tasks.h"

#include <algorithm>
#include <utility>

#include "core/schedule/calendar.h"

namespace quorvel {

namespace {

enum class OrderGroup : std::uint8_t { Pending, Passed, Undated };

OrderGroup GroupOf(const ScheduleRow& row)
{
    if (!row.occurrence) {
        return OrderGroup::Undated;
    }
    return row.IsPassed() ? OrderGroup::Passed : OrderGroup::Pending;
}

// The group in the top two bits and the key, made unsigned, below it: one integer comparison
// orders by both. A key counts whole seconds between dates of int years, far below 2^61.
constexpr int kGroupShift = 62;
constexpr std::uint64_t kKeyBias = std::uint64_t{1} << 61;

std::uint64_t RankOf(OrderGroup group, std::int64_t key)
{
    return (static_cast<std::uint64_t>(group) << kGroupShift) + (static_cast<std::uint64_t>(key) + kKeyBias);
}

}  // namespace

std::int64_t SecondsToOccurrence(const LocalMoment& occurrence, const LocalMoment& now)
{
    const std::int64_t milliseconds = MillisecondOfDay(occurrence.time, occurrence.millisecond) -
                                      MillisecondOfDay(now.time, now.millisecond);
    // Integer division truncates toward zero, as the key wants.
    return milliseconds / 1000 + (DayNumber(occurrence.date) - DayNumber(now.date)) * kSecondsPerDay;
}

std::uint64_t OrderRank(const ScheduleRow& row)
{
    const OrderGroup group = GroupOf(row);
    return RankOf(group, group == OrderGroup::Undated ? 0 : row.orderKey);
}

std::vector<std::size_t> OrderByRank(std::vector<RankedRow> ranked)
{
    // The index as last criterion makes the order stable without the cost of a stable sort.
    std::sort(ranked.begin(), ranked.end(), [](const RankedRow& a, const RankedRow& b) {
        return a.rank < b.rank || (a.rank == b.rank && a.index < b.index);
    });
    std::vector<std::size_t> order;
    order.reserve(ranked.size());
    for (const RankedRow& row : ranked) {
        order.push_back(row.index);
    }
    return order;
}

std::vector<std::size_t> OrderTasks(const std::vector<ScheduleRow>& rows)
{
    std::vector<RankedRow> ranked;
    ranked.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ranked.push_back({OrderRank(rows[i]), i});
    }
    return OrderByRank(std::move(ranked));
}

}  // namespace quorvel
