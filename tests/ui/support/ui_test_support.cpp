#include "ui_test_support.h"

#include <QApplication>

namespace quorvel::test {

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

std::string MemorySettings::Read(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const
{
    const auto it = m_values.find({std::string(section), std::string(key)});
    return it == m_values.end() ? std::string(defaultValue) : it->second;
}

std::string MemorySettings::Write(std::string_view section, std::string_view key, std::string_view value)
{
    m_values[{std::string(section), std::string(key)}] = std::string(value);
    return {};
}

bool MemorySettings::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    const std::string value = Read(section, key, "");
    return value.empty() ? defaultValue : value != "0";
}

std::string MemorySettings::WriteBool(std::string_view section, std::string_view key, bool value)
{
    return Write(section, key, value ? "1" : "0");
}

bool MemorySettings::PasswordMatches(std::string_view typed) const
{
    return Read("Option", "pword", "") == typed;
}

bool MemorySettings::Has(std::string_view section, std::string_view key) const
{
    return m_values.count({std::string(section), std::string(key)}) != 0;
}

void RecordedRequests::SetScreenSaver(bool active)
{
    lines << QStringLiteral("SetScreenSaver %1").arg(active ? 1 : 0);
}

void RecordedRequests::LockDesktop()
{
    lines << QStringLiteral("LockDesktop");
}

void RecordedRequests::ApplyResumePasswordPolicy(bool on)
{
    lines << QStringLiteral("ApplyResumePasswordPolicy %1").arg(on ? 1 : 0);
}

void RecordedRequests::StartPowerOnTest()
{
    lines << QStringLiteral("StartPowerOnTest");
}

void RecordedRequests::StartStartupTimeSync()
{
    lines << QStringLiteral("StartStartupTimeSync");
}

AutoLogonValues RecordedRequests::ReadAutoLogon()
{
    return autoLogon;
}

QString RecordedRequests::ReadRunValue()
{
    return runValue;
}

void RecordedRequests::WriteLangManagerProgramFolder(const QString& folder)
{
    lines << QStringLiteral("WriteLangManagerProgramFolder ") + folder;
}

void RecordedRequests::ShellOpen(const QString& target)
{
    lines << QStringLiteral("ShellOpen ") + target;
}

}  // namespace quorvel::test
