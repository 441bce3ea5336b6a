#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The keys of wake.ini the application shell reads and writes, one key per call, nothing cached.
// Values are the file's bytes.
class ShellSettings {
public:
    virtual ~ShellSettings() = default;

    virtual std::string Read(std::string_view section, std::string_view key,
                             std::string_view defaultValue) const = 0;
    // An empty result on success, else the message for the user ("Unable to write to ...").
    virtual std::string Write(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Integer booleans: any number but 0 is true; text that is no number gives the default.
    virtual bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const = 0;
    virtual std::string WriteBool(std::string_view section, std::string_view key, bool value) = 0;
    // Whether `typed` (UTF-8) is the lock password stored as Option/pword, read at this moment.
    virtual bool PasswordMatches(std::string_view typed) const = 0;
};

}  // namespace quorvel
