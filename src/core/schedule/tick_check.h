#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "core/schedule/schedule_table.h"
#include "core/tasks/task_record.h"
#include "core/time/civil_time.h"

namespace quorvel {

// The state the one-second tick keeps between its runs, so that each occurrence fires exactly
// once: seconds a late tick skipped are examined by the next one (see kMaxTickGapSeconds), no
// second is examined twice while the clock runs forward, and an occurrence that fired does not
// fire again when the clock is set back over it.
//
// Each tick:
//     tick.Begin(now, table);
//     while (auto position = tick.Next(table)) { ... fire *position, which rebuilds table ... }
class TickCheck {
public:
    // Starts the tick at `now`: notes the tasks of `table` that fell due in the seconds this tick
    // covers and have not fired yet. Anything left over from the previous tick is dropped.
    void Begin(const LocalMoment& now, const ScheduleTable& table);

    // The position (1-based) in `table` of the next task this tick fires, which from then on
    // counts as fired. `table` may have been rebuilt since Begin (firing rebuilds it): the task is
    // found again by its fields; one that was changed or deleted meanwhile is skipped. Nothing
    // once this tick has fired everything.
    std::optional<std::size_t> Next(const ScheduleTable& table);

private:
    struct Occurrence {
        std::int64_t second = 0;
        TaskRecord record;
        std::size_t twin = 0;  // rows with the same fields before it, for duplicated lines
    };

    void Forget(std::int64_t nowSecond);

    std::optional<std::int64_t> m_lastSecond;
    std::deque<Occurrence> m_due;
    std::deque<Occurrence> m_fired;
};

}  // namespace quorvel
