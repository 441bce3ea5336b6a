#include "core/schedule/clock_watch.h"

#include <string>
#include <utility>

namespace quorvel {

ClockWatchDecision WatchClock(const ClockWatchRecord& last, const LocalMoment& now, const TimeFormat& format)
{
    ClockWatchRecord seen = ClockWatchRecordAt(now, format);
    // One less, as text: at hour or minute 0 this is "-1", which no record ever holds.
    const std::string hourBefore = std::to_string(now.time.hour - 1);
    const std::string minuteBefore = std::to_string(now.time.minute - 1);

    const ClockWatchDecision rebuild{true, {}};
    if (last.date != seen.date) {
        return rebuild;
    }
    if (last.minute != seen.minute && last.minute != minuteBefore) {
        if (last.hour == hourBefore && last.minute != "59") {
            return rebuild;
        }
        if (last.hour == seen.hour) {
            return rebuild;
        }
    }
    if (last.hour != seen.hour && last.hour != hourBefore) {
        return rebuild;
    }
    return ClockWatchDecision{false, std::move(seen)};
}

}  // namespace quorvel
