#include "platform/local_to_utc.h"

#include <time.h>

#include <algorithm>
#include <ctime>
#include <initializer_list>
#include <optional>

namespace quorvel {
namespace {

std::tm Fields(const LocalMoment& local, int isDst)
{
    std::tm fields{};
    fields.tm_year = local.date.year - 1900;
    fields.tm_mon = local.date.month - 1;
    fields.tm_mday = local.date.day;
    fields.tm_hour = local.time.hour;
    fields.tm_min = local.time.minute;
    fields.tm_sec = local.time.second;
    fields.tm_isdst = isDst;
    return fields;
}

bool SameWallClock(const std::tm& a, const std::tm& b)
{
    return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday &&
           a.tm_hour == b.tm_hour && a.tm_min == b.tm_min && a.tm_sec == b.tm_sec;
}

// The moment mktime finds for the fields under the given daylight-saving guess, when the local
// clock really shows those fields then.
std::optional<time_t> ExactMoment(const LocalMoment& local, int isDst)
{
    std::tm fields = Fields(local, isDst);
    const std::tm wanted = fields;
    const time_t moment = mktime(&fields);
    if (moment == static_cast<time_t>(-1)) {
        return std::nullopt;
    }
    std::tm shown{};
    if (localtime_r(&moment, &shown) == nullptr || !SameWallClock(shown, wanted)) {
        return std::nullopt;
    }
    return moment;
}

}  // namespace

std::chrono::sys_seconds LocalToUtc(const LocalMoment& local)
{
    // The zone may have been changed through TZ since the last conversion.
    tzset();

    // Both guesses, so a repeated hour yields both occurrences and the earlier one wins.
    std::optional<time_t> best;
    for (const int isDst : {0, 1}) {
        if (const std::optional<time_t> moment = ExactMoment(local, isDst)) {
            best = best ? std::min(*best, *moment) : *moment;
        }
    }
    if (!best) {
        // Skipped by a change: mktime with an unknown daylight-saving state uses the offset in
        // force before the gap.
        std::tm fields = Fields(local, -1);
        best = mktime(&fields);
    }
    return std::chrono::sys_seconds{std::chrono::seconds{*best}};
}

}  // namespace quorvel
