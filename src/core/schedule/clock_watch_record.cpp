#include "core/schedule/clock_watch_record.h"

namespace quorvel {

ClockWatchRecord ClockWatchRecordAt(const LocalMoment& now, const TimeFormat& format)
{
    return ClockWatchRecord{format.FormatShortDate(now.date), std::to_string(now.time.hour),
                            std::to_string(now.time.minute)};
}

}  // namespace quorvel
