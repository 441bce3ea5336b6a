#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Helpers for the strftime patterns a locale gives for times and dates.

// Replaces the shorthand conversions by what they stand for, so that later steps see every part:
// %T, %R, %r (by `amPmPattern`, else "%I:%M:%S %p"), %D and %F. %X and %x are left alone.
std::string ExpandPatternShorthands(std::string_view pattern, std::string_view amPmPattern);

// The conversion letter each test looks for, with any flags, width or E/O modifier allowed.
bool PatternHasSeconds(std::string_view pattern);  // %S
bool PatternUsesAmPm(std::string_view pattern);    // %p, %P, %r, %I, %l

// The pattern without its seconds: %S goes, with the punctuation that joins it to the minutes
// ("%H:%M:%S" -> "%H:%M"), or, where it is followed by a unit ("%H时%M分%S秒"), with that unit.
std::string DropSeconds(std::string_view pattern);

}  // namespace quorvel
