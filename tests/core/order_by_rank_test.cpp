#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "core/schedule/order_tasks.h"
#include "core/schedule/schedule_texts.h"

namespace quorvel {
namespace {

std::vector<std::size_t> StableOrder(std::vector<RankedRow> ranked)
{
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedRow& a, const RankedRow& b) { return a.rank < b.rank; });
    std::vector<std::size_t> order;
    for (const RankedRow& row : ranked) {
        order.push_back(row.index);
    }
    return order;
}

// Small and large lists are sorted in different ways; both must give the stable order, ties
// included, whether the ranks share their high bytes or spread over all of them.
TEST(OrderByRank, GivesTheStableOrderByRankForEverySize)
{
    std::mt19937_64 random(42);
    const auto fewRanks = [&] { return random() % 5; };
    const auto nearRanks = [&] { return (std::uint64_t{1} << 62) + random() % 100000; };
    const auto anyRanks = [&] {
        const std::uint64_t pick = random() % 4;
        return pick == 0 ? 0 : pick == 1 ? std::numeric_limits<std::uint64_t>::max() : random();
    };
    // Every byte one of a few values: ties at every byte, and every byte decides some pairs.
    const auto byteRanks = [&] {
        std::uint64_t rank = 0;
        for (int byte = 0; byte < 8; ++byte) {
            const std::uint64_t values[] = {0, 1, 0xFF};
            rank = (rank << 8) | values[random() % 3];
        }
        return rank;
    };
    for (const std::size_t size : {0, 1, 2, 7, 300, 2047, 2048, 2049, 5000}) {
        for (int kind = 0; kind < 4; ++kind) {
            std::vector<RankedRow> ranked;
            for (std::size_t i = 0; i < size; ++i) {
                const std::uint64_t rank = kind == 0   ? fewRanks()
                                           : kind == 1 ? nearRanks()
                                           : kind == 2 ? anyRanks()
                                                       : byteRanks();
                ranked.push_back({rank, i});
            }
            ASSERT_EQ(OrderByRank(ranked), StableOrder(ranked)) << "size " << size << ", kind " << kind;
        }
    }
}

ScheduleRow Dated(std::string_view status, std::int64_t key)
{
    ScheduleRow row;
    row.occurrence = LocalMoment{};
    row.taskStatus = status;
    row.orderKey = key;
    return row;
}

// Still to come, then passed, then undated; within a group by key, over the whole range of keys.
TEST(OrderRank, RanksByGroupThenKey)
{
    const std::int64_t keys[] = {-(std::int64_t{1} << 60), -1'000'000'000'000,   -86400, -1, 0, 1, 86400,
                                 1'000'000'000'000,        std::int64_t{1} << 60};
    std::vector<std::uint64_t> ranks;
    for (const std::string_view status : {kStatusWaiting, kStatusPassed}) {
        for (const std::int64_t key : keys) {
            ranks.push_back(OrderRank(Dated(status, key)));
        }
    }
    ScheduleRow undated;
    undated.taskStatus = "Disabled";
    undated.orderKey = -(std::int64_t{1} << 60);
    ranks.push_back(OrderRank(undated));
    EXPECT_TRUE(std::is_sorted(ranks.begin(), ranks.end()));
    EXPECT_EQ(std::adjacent_find(ranks.begin(), ranks.end()), ranks.end());
}

}  // namespace
}  // namespace quorvel
