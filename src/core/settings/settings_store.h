#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings/profile_file.h"
#include "core/settings/profile_write_result.h"
#include "core/settings/setting_key.h"

namespace quorvel {

// The settings of the program in DataDir's wake.ini. Nothing is cached: each call reads or writes
// the file at that moment, so windows and threads that share the file always agree. A failed
// write comes back as a result to show the user; nothing is thrown.
class SettingsStore {
public:
    explicit SettingsStore(const std::string& dataDir);

    const std::string& FilePath() const { return m_file.Path(); }

    std::string Read(const TextSetting& setting) const;
    ProfileWriteResult Write(const TextSetting& setting, std::string_view value) const;

    bool IsOn(const SwitchSetting& setting) const;
    ProfileWriteResult SetSwitch(const SwitchSetting& setting, bool on) const;

    bool Read(const BoolSetting& setting) const;
    ProfileWriteResult Write(const BoolSetting& setting, bool value) const;

    // For the sections named at run time (saved dial-up passwords).
    std::string ReadText(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    ProfileWriteResult WriteText(std::string_view section, std::string_view key,
                                 std::string_view value) const;
    std::vector<std::string> KeyNames(std::string_view section) const;

private:
    ProfileFile m_file;
};

}  // namespace quorvel
