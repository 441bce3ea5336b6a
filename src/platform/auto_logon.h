#pragma once

#include <string>

namespace quorvel {

struct AutoLogonSettings {
    bool enabled = false;
    std::string userName;
    std::string password;  // empty where the platform neither needs nor keeps one
};

// Logs a user on automatically when the computer starts. Changing it needs administrator
// rights, as the login manager's settings are the machine's, not the user's.
class AutoLogon {
public:
    virtual ~AutoLogon() = default;

    // Unreadable settings read as off with empty texts.
    virtual AutoLogonSettings ReadAutoLogon() const = 0;

    // False when this user may not change the setting, so the caller can say so before the user
    // fills in the fields.
    virtual bool CanChangeAutoLogon() = 0;

    virtual void EnableAutoLogon(const std::string& userName, const std::string& password) = 0;

    // Leaves the stored user name (and password) in place for the next time it is switched on.
    virtual void DisableAutoLogon() = 0;
};

}  // namespace quorvel
