#include "core/schedule/next_weekly_date.h"

#include "core/schedule/calendar.h"

namespace quorvel {

Date NextWeeklyDate(const std::array<TaskFieldView, 7>& weekdayFlags, const TimeOfDay& start,
                    const LocalMoment& now)
{
    const int today = static_cast<int>(WeekdayOf(now.date));
    for (int ahead = 0; ahead <= 7; ++ahead) {
        if (weekdayFlags[static_cast<std::size_t>((today + ahead) % 7)].empty()) {
            continue;
        }
        // Exactly at the start time today's occurrence is not reached yet (ties count as ahead, as
        // for every other kind), so the tick of this very second still finds it.
        if (ahead == 0 && IsAfterTime(now, start)) {
            continue;
        }
        if (ahead == 7 && !IsAfterTime(now, start)) {
            continue;
        }
        return AddDays(now.date, ahead);
    }
    return AddDays(now.date, -1);
}

}  // namespace quorvel
