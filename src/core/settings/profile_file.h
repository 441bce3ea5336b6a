#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings/profile_write_result.h"

namespace quorvel {

// One profile (INI) file on disk, accessed the way the profile-string functions do: every call
// reads the file afresh and every write reads, changes one key and writes the file back, so
// there is no copy to go stale and each reader sees the last write. A missing or unreadable file
// reads as empty. Writes are atomic; a new file is created user-only (0600) with CR LF line ends,
// and an existing file keeps its own.
class ProfileFile {
public:
    explicit ProfileFile(std::string path);

    const std::string& Path() const { return m_path; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // An integer boolean: any number other than 0 is true, anything that is not a number (the
    // empty text included) gives the default.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    std::vector<std::string> ReadKeyNames(std::string_view section) const;
    std::vector<std::string> ReadSectionNames() const;

    ProfileWriteResult WriteString(std::string_view section, std::string_view key,
                                   std::string_view value) const;

    // Stored as "1" or "0".
    ProfileWriteResult WriteBool(std::string_view section, std::string_view key, bool value) const;

private:
    std::string m_path;
};

// The user-visible text for a settings file that could not be written.
std::string UnableToWriteMessage(const std::string& path);

}  // namespace quorvel
