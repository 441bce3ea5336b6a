#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/schedule/schedule_table.h"
#include "core/time/civil_time.h"

namespace quorvel {

// The longest step, in whole seconds, from one tick's second to the next that is still bridged:
// a tick at most this far after the previous one also examines the seconds in between. Anything
// longer means the machine slept, the clock jumped or the program was stopped, and what fell due
// meanwhile is not made up.
inline constexpr std::int64_t kMaxTickGapSeconds = 5;

// Local seconds (see LocalSecondOf), first to last, both included.
struct TickSpan {
    std::int64_t first = 0;
    std::int64_t last = 0;
    bool operator==(const TickSpan&) const = default;
};

// The seconds a tick in `nowSecond` examines after a tick in `previousSecond`: those after the
// previous second up to its own when the step is 1..kMaxTickGapSeconds; only its own as the first
// tick, after a longer step or after the clock was set back; none when the previous tick already
// examined this second.
std::optional<TickSpan> TickSpanFor(std::optional<std::int64_t> previousSecond, std::int64_t nowSecond);

// The local second of a row's occurrence, when it has one.
std::optional<std::int64_t> OccurrenceSecond(const ScheduleRow& row);

// 1-based positions of the tasks still to come whose occurrence falls in `span`: earliest second
// first, list order within a second.
std::vector<std::size_t> DuePositions(const ScheduleTable& table, const TickSpan& span);

// The same for a tick at `now` after one at `previousTick` (none for the first tick).
std::vector<std::size_t> DuePositions(const std::optional<LocalMoment>& previousTick, const LocalMoment& now,
                                      const ScheduleTable& table);

}  // namespace quorvel
