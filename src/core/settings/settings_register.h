#pragma once

#include <string>
#include <string_view>

#include "core/settings/setting_key.h"

namespace quorvel::settings {

inline constexpr const char* kFileName = "wake.ini";

// Answers RFC 868 (TCP port 37) and is run by a public body, so it should stay reachable.
inline constexpr const char* kDefaultTimeServer = "time.nist.gov";

// Options of the main window and the settings password.
inline constexpr SwitchSetting kLockDesktopWhileRunning{"Option", "run"};
inline constexpr SwitchSetting kProtectWithPassword{"Option", "lock"};
inline constexpr TextSetting kLockPassword{"Option", "pword", ""};  // scrambled; empty = none set
inline constexpr BoolSetting kFirstShow{"Option", "first", true};
inline constexpr SwitchSetting kStartInTray{"tray", "tray"};
inline constexpr SwitchSetting kOtherLanguage{"Lan", "Lan"};

// Internet time.
inline constexpr SwitchSetting kTimeSyncAtStart{"time", "enabled"};
inline constexpr TextSetting kTimeServer{"time", "server", kDefaultTimeServer};

// Dial-up connection window.
inline constexpr TextSetting kLastEntryName{"Last", "EntryName", ""};
inline constexpr TextSetting kLastUserName{"Last", "UserName", ""};
inline constexpr SwitchSetting kLastAutoConnect{"Last", "AutoC"};
inline constexpr SwitchSetting kLastSavePassword{"Last", "SavePW"};
inline constexpr TextSetting kLastPassword{"Last", "Password", ""};  // encoded; empty = none
// With "Save Password" the password goes under this spelling; blanks around a key name do not
// count, so it is the same entry as kLastPassword.
inline constexpr TextSetting kLastPasswordSaved{"Last", "   Password", ""};

// Macro dialog: the last macro file chosen.
inline constexpr TextSetting kLastMacroFile{"Last", "1", ""};

// Saved dial-up passwords, one section per entry and one key per user. Both names are passed
// through EscapeIniName first; the value is encoded, and "*" means none saved.
inline constexpr std::string_view kRasEntrySectionPrefix = "RAS_ENTRY_";
inline constexpr std::string_view kRasUserKeyPrefix = "USER_";
inline constexpr const char* kRasNoPassword = "*";

// Section of one phonebook entry, from the entry's own name.
std::string RasEntrySection(std::string_view entryName);

// Key of one user within an entry's section, from the user's own name.
std::string RasUserKey(std::string_view userName);

}  // namespace quorvel::settings
