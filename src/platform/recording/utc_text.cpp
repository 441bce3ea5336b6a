#include "platform/recording/utc_text.h"

#include <cstdio>

namespace quorvel {

std::string FormatUtc(std::chrono::sys_seconds utc)
{
    using namespace std::chrono;
    const sys_days day = floor<days>(utc);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{utc - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

}  // namespace quorvel
