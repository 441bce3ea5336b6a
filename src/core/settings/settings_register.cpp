#include "core/settings/settings_register.h"

#include "core/security/ini_name_escape.h"

namespace quorvel::settings {

std::string RasEntrySection(std::string_view entryName)
{
    return std::string(kRasEntrySectionPrefix) + EscapeIniName(entryName);
}

std::string RasUserKey(std::string_view userName)
{
    return std::string(kRasUserKeyPrefix) + EscapeIniName(userName);
}

}  // namespace quorvel::settings
