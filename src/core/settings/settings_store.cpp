#include "core/settings/settings_store.h"

#include "core/settings/settings_register.h"

namespace quorvel {
namespace {

std::string FileIn(const std::string& dataDir)
{
    if (dataDir.empty()) {
        return settings::kFileName;
    }
    return dataDir.back() == '/' ? dataDir + settings::kFileName : dataDir + "/" + settings::kFileName;
}

}  // namespace

SettingsStore::SettingsStore(const std::string& dataDir) : m_file(FileIn(dataDir)) {}

std::string SettingsStore::Read(const TextSetting& setting) const
{
    return m_file.ReadString(setting.section, setting.key, setting.defaultValue);
}

ProfileWriteResult SettingsStore::Write(const TextSetting& setting, std::string_view value) const
{
    return m_file.WriteString(setting.section, setting.key, value);
}

bool SettingsStore::IsOn(const SwitchSetting& setting) const
{
    return m_file.ReadString(setting.section, setting.key, "0") == "1";
}

ProfileWriteResult SettingsStore::SetSwitch(const SwitchSetting& setting, bool on) const
{
    return m_file.WriteString(setting.section, setting.key, on ? "1" : "0");
}

bool SettingsStore::Read(const BoolSetting& setting) const
{
    return m_file.ReadBool(setting.section, setting.key, setting.defaultValue);
}

ProfileWriteResult SettingsStore::Write(const BoolSetting& setting, bool value) const
{
    return m_file.WriteBool(setting.section, setting.key, value);
}

std::string SettingsStore::ReadText(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    return m_file.ReadString(section, key, defaultValue);
}

ProfileWriteResult SettingsStore::WriteText(std::string_view section, std::string_view key,
                                            std::string_view value) const
{
    return m_file.WriteString(section, key, value);
}

std::vector<std::string> SettingsStore::KeyNames(std::string_view section) const
{
    return m_file.ReadKeyNames(section);
}

}  // namespace quorvel
