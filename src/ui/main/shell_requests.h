#pragma once

#include <QString>

namespace quorvel {

// The values of the system's automatic logon; any that cannot be read is empty.
struct AutoLogonValues {
    QString autoAdminLogon;
    QString defaultUserName;
    QString defaultPassword;
};

// What the application shell asks of the platform and of the services that later windows own.
// The app forwards each to the platform seam, so --dry-run logs them instead.
class ShellRequests {
public:
    virtual ~ShellRequests() = default;

    virtual void SetScreenSaver(bool active) = 0;
    virtual void LockDesktop() = 0;
    virtual void ApplyResumePasswordPolicy(bool autoLogon) = 0;
    virtual void StartPowerOnTest() = 0;
    virtual void StartStartupTimeSync() = 0;
    virtual AutoLogonValues ReadAutoLogon() = 0;
    // The program started with the session: the executable path stored for that, or empty.
    virtual QString ReadRunValue() = 0;
    virtual void WriteLangManagerProgramFolder(const QString& folder) = 0;
    virtual void ShellOpen(const QString& target) = 0;
    virtual QString CurrentUserName() = 0;
};

}  // namespace quorvel
