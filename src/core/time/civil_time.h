#pragma once

#include <compare>

namespace quorvel {

// Calendar values in local time. Core never reads the clock: callers pass these in.
struct Date {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    auto operator<=>(const Date&) const = default;
};

struct TimeOfDay {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
    auto operator<=>(const TimeOfDay&) const = default;
};

// The current moment as the scheduler sees it: local date, time of day and milliseconds.
struct LocalMoment {
    Date date;
    TimeOfDay time;
    int millisecond = 0;  // 0..999
    auto operator<=>(const LocalMoment&) const = default;
};

}  // namespace quorvel
