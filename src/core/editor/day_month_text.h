#pragma once

#include <string_view>

namespace quorvel {

// The texts the day and month drop-downs accept: a number as the lists offer it, "1" to "31" and
// "1" to "12", without leading zeros or blanks. Anything else could not be dated.
bool IsValidDayText(std::string_view text);
bool IsValidMonthText(std::string_view text);

// True when an annual day exists in its month in some year (29 February does; 31 April does not).
// Both texts must be valid on their own.
bool IsValidAnnualDate(std::string_view dayText, std::string_view monthText);

}  // namespace quorvel
