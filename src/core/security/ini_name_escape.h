#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Turns a dial-up entry or user name into text usable inside a settings section or key name:
// blanks at both ends are dropped, then blank -> "_", "=" -> "\-", "@" -> "\A", "\" -> "\\" and
// "_" -> "\_". Every other byte stays.
std::string EscapeIniName(std::string_view name);

// Undoes EscapeIniName (the trimmed blanks cannot come back). A backslash that starts none of the
// four pairs is kept as it stands, so hand-edited keys still show something sensible.
std::string UnescapeIniName(std::string_view escaped);

}  // namespace quorvel
