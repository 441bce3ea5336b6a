#pragma once

#include <optional>
#include <string_view>

#include "core/time/civil_time.h"

namespace quorvel {

// Reads a time of day written in some common form other than the user's: hours and minutes and
// optionally seconds, one or two digits each, separated by ":" or ".", with or without an English
// AM/PM marker (also "a.m."/"p.m.", any letter case, before or after the digits). Blanks around
// the parts are allowed; anything else, or a value out of range, gives nothing. With a marker the
// hour must be 1 to 12. Independent of the process's locale.
std::optional<TimeOfDay> ReadLenientTime(std::string_view text);

}  // namespace quorvel
