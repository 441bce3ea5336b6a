#pragma once

#include <string>

#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// What the clock watch last saw: the short date text and the hour and minute as decimal text.
struct ClockWatchRecord {
    std::string date;
    std::string hour;
    std::string minute;

    bool operator==(const ClockWatchRecord&) const = default;
};

ClockWatchRecord ClockWatchRecordAt(const LocalMoment& now, const TimeFormat& format);

}  // namespace quorvel
