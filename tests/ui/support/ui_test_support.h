#pragma once

#include <QStringList>

#include "ui/main/shell_requests.h"

namespace quorvel::test {

// A QApplication for the whole test program, made on first use.
void EnsureApplication();

// Keeps every request as one line, its name and arguments separated by blanks.
class RecordedRequests final : public ShellRequests {
public:
    void SetScreenSaver(bool active) override;
    void LockDesktop() override;
    void ApplyResumePasswordPolicy(bool autoLogon) override;
    void StartPowerOnTest() override;
    void StartStartupTimeSync() override;
    AutoLogonValues ReadAutoLogon() override;
    QString ReadRunValue() override;
    void WriteLangManagerProgramFolder(const QString& folder) override;
    void ShellOpen(const QString& target) override;
    QString CurrentUserName() override { return QStringLiteral("alice"); }

    QStringList lines;
    AutoLogonValues autoLogon;
    QString runValue;
};

}  // namespace quorvel::test
