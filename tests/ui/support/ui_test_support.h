#pragma once

#include <QStringList>
#include <map>
#include <string>
#include <utility>

#include "ui/main/shell_requests.h"
#include "ui/main/shell_settings.h"

namespace quorvel::test {

// A QApplication for the whole test program, made on first use.
void EnsureApplication();

// wake.ini in memory: the keys the test sets, every other one at its default.
class MemorySettings final : public ShellSettings {
public:
    std::string Read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override;
    std::string Write(std::string_view section, std::string_view key, std::string_view value) override;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const override;
    std::string WriteBool(std::string_view section, std::string_view key, bool value) override;
    // The stored password is the typed one itself here; scrambling has tests of its own.
    bool PasswordMatches(std::string_view typed) const override;

    bool Has(std::string_view section, std::string_view key) const;

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

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
