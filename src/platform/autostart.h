#pragma once

#include <string>

namespace quorvel {

// Whether the program starts when the user logs on.
class Autostart {
public:
    virtual ~Autostart() = default;

    // The full executable path that starts at logon; empty when autostart is off. The caller
    // compares it exactly with its own path, so a moved copy shows as off.
    virtual std::string AutostartCommand() const = 0;
    virtual void SetAutostart(const std::string& executablePath) = 0;
    virtual void ClearAutostart() = 0;
};

}  // namespace quorvel
