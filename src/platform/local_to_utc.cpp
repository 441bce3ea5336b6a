#include "platform/local_to_utc.h"

#include <ctime>

namespace quorvel {
namespace {

std::tm FieldsOf(const LocalMoment& local, int isDst)
{
    std::tm fields{};
    fields.tm_year = local.date.year - 1900;
    fields.tm_mon = local.date.month - 1;
    fields.tm_mday = local.date.day;
    fields.tm_hour = local.time.hour;
    fields.tm_min = local.time.minute;
    fields.tm_sec = local.time.second;
    fields.tm_isdst = isDst;
    // -1 is also a real second (1969-12-31 23:59:59 UTC); mktime sets tm_yday only on success.
    fields.tm_yday = -1;
    return fields;
}

std::optional<std::time_t> Convert(const LocalMoment& local, int isDst)
{
    std::tm fields = FieldsOf(local, isDst);
    const std::time_t utc = std::mktime(&fields);
    if (utc == static_cast<std::time_t>(-1) && fields.tm_yday == -1) {
        return std::nullopt;
    }
    return utc;
}

// True when `utc` shows exactly `local` on the wall clock; a guess of summer or standard time that
// does not apply then comes back shifted.
bool ShowsOnTheWallClock(std::time_t utc, const LocalMoment& local)
{
    std::tm shown{};
    if (localtime_r(&utc, &shown) == nullptr) {
        return false;
    }
    return shown.tm_year == local.date.year - 1900 && shown.tm_mon == local.date.month - 1 &&
           shown.tm_mday == local.date.day && shown.tm_hour == local.time.hour &&
           shown.tm_min == local.time.minute && shown.tm_sec == local.time.second;
}

}  // namespace

std::optional<std::chrono::sys_seconds> UtcOfLocalMoment(const LocalMoment& local)
{
    // Asking for standard and for summer time separately finds both readings of an hour that comes
    // twice; left to guess, mktime's choice there depends on what it converted before.
    std::optional<std::time_t> earliest;
    for (const int isDst : {0, 1}) {
        const std::optional<std::time_t> utc = Convert(local, isDst);
        if (utc && ShowsOnTheWallClock(*utc, local) && (!earliest || *utc < *earliest)) {
            earliest = utc;
        }
    }
    if (!earliest) {
        // A skipped hour has no reading of its own; let the zone rules move it on.
        earliest = Convert(local, -1);
    }
    if (!earliest) {
        return std::nullopt;
    }
    return std::chrono::sys_seconds(std::chrono::seconds(*earliest));
}

}  // namespace quorvel
