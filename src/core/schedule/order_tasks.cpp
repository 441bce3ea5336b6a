#include "core/schedule/order_tasks.h"

#include <algorithm>
#include <array>
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

// From this many rows on, a radix sort beats a comparison sort, which then spends most of its
// time on mispredicted branches.
constexpr std::size_t kRadixSortFrom = 2048;

// Sorts by rank, a byte per pass from the lowest: linear in the number of rows, and stable, so
// rows of equal rank keep their order. A pass over a byte that all rows share would move nothing
// and is left out; counted from the lowest rank, the high bytes of most rows are the same. The
// ranks are left counted from the lowest.
void RadixSortByRank(std::vector<RankedRow>& ranked)
{
    constexpr std::size_t kDigits = sizeof(std::uint64_t);
    constexpr std::size_t kBuckets = 256;
    const auto digitOf = [](std::uint64_t rank, std::size_t digit) {
        return static_cast<std::size_t>((rank >> (8 * digit)) & 0xFF);
    };
    std::uint64_t lowest = ~std::uint64_t{0};
    for (const RankedRow& row : ranked) {
        lowest = std::min(lowest, row.rank);
    }
    std::array<std::array<std::size_t, kBuckets>, kDigits> counts{};
    for (RankedRow& row : ranked) {
        row.rank -= lowest;
        for (std::size_t digit = 0; digit < kDigits; ++digit) {
            ++counts[digit][digitOf(row.rank, digit)];
        }
    }
    std::vector<RankedRow> sorted(ranked.size());
    for (std::size_t digit = 0; digit < kDigits; ++digit) {
        std::array<std::size_t, kBuckets>& count = counts[digit];
        if (count[digitOf(ranked.front().rank, digit)] == ranked.size()) {
            continue;
        }
        std::size_t start = 0;
        for (std::size_t& bucket : count) {
            const std::size_t size = bucket;
            bucket = start;
            start += size;
        }
        for (const RankedRow& row : ranked) {
            sorted[count[digitOf(row.rank, digit)]++] = row;
        }
        ranked.swap(sorted);
    }
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
    if (ranked.size() < kRadixSortFrom) {
        // The index as last criterion gives the stable order without the cost of a stable sort.
        std::sort(ranked.begin(), ranked.end(), [](const RankedRow& a, const RankedRow& b) {
            return a.rank < b.rank || (a.rank == b.rank && a.index < b.index);
        });
    } else {
        RadixSortByRank(ranked);
    }
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
