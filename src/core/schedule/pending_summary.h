#pragma once

#include <cstdint>
#include <optional>

#include "core/schedule/schedule_row.h"
#include "core/time/civil_time.h"

namespace quorvel {

// What the tasks still to come ask of the machine, gathered one dated row at a time in any
// order: the rebuild takes it in while each row is at hand rather than walking the table again.
class PendingSummary {
public:
    explicit PendingSummary(const LocalMoment& now) : m_now(now) {}

    void Add(const ScheduleRow& row);

    // A task still to come holds the power-on action (its field not empty).
    bool PowerOnPending() const { return m_powerOnPending; }
    // The occurrence of the soonest task still to come whose PowerOn field is exactly
    // "Power-on"; of several equally soon, the one met first.
    const std::optional<LocalMoment>& WakeMoment() const { return m_wakeMoment; }
    // A task still to come replays a macro.
    bool MacroPending() const { return m_macroPending; }

private:
    LocalMoment m_now;
    bool m_powerOnPending = false;
    bool m_macroPending = false;
    std::optional<LocalMoment> m_wakeMoment;
    std::int64_t m_wakeSeconds = 0;
};

}  // namespace quorvel
