#include "core/schedule/schedule_texts.h"

namespace quorvel {

namespace {

constexpr std::array<const char*, 12> kMonthKeys = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 7> kWeekdayKeys = {"Mon", "Tues", "Wed", "Thurs", "Fri", "Sat", "Sun"};

}  // namespace

ScheduleTexts::ScheduleTexts(const LangLookup& lang)
    : upcoming(lang.Str("Upcoming", "Upcoming event:")),
      none(lang.Str("None", "None")),
      wait(lang.Str("Wait", "Waiting")),
      pass(lang.Str("Pass", "Passed")),
      noTitle(lang.Str("NoTitle", "No title")),
      lastTask(lang.Str("Lasttask", "Last event:")),
      everyDay(lang.Str("EveryDay", "Daily")),
      everyMonth(lang.Str("EveryMonth", "Monthly")),
      everyYear(lang.Str("EveryYear", "Annually")),
      unspecified(lang.Str("Unspecified", "Unspecified"))
{
    for (std::size_t i = 0; i < months.size(); ++i) {
        months[i] = lang.Str(kMonthKeys[i], kMonthKeys[i]);
    }
    for (std::size_t i = 0; i < weekdays.size(); ++i) {
        weekdays[i] = lang.Str(kWeekdayKeys[i], kWeekdayKeys[i]);
    }
    passLineStart = ' ' + pass + std::string(kListSeparator);
    waitLineStart = ' ' + wait + std::string(kListSeparator);
}

}  // namespace quorvel
