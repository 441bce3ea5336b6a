#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The locale name that decides the language of messages, by POSIX precedence:
// LC_ALL, then LC_MESSAGES, then LANG; the first one set and non-empty wins. Empty when none is.
std::string MessagesLocaleName(std::string_view lcAll, std::string_view lcMessages, std::string_view lang);

// The three-letter language abbreviation the original platform gives a locale ("FRA", "DEU",
// "ENU", ...), which is also the conventional extension of a language file. `localeName` is a
// POSIX locale name, language[_territory][.codeset][@modifier]. A territory without its own entry
// gets the language's main abbreviation; "C", "POSIX" and an empty name count as US English.
// Empty for a language the table does not know.
std::string WindowsLanguageAbbreviation(std::string_view localeName);

}  // namespace quorvel
