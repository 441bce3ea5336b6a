#include "platform/ini_lang_manager_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "core/app_info.h"
#include "core/settings/profile_file.h"

namespace quorvel {

std::string IniLangManagerStore::DefaultPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QFile::encodeName(config + QStringLiteral("/Brenholt/LangManager.ini")).toStdString();
}

std::string IniLangManagerStore::ProgramFolder() const
{
    return ProfileFile(m_path).ReadString(kSection, kFolderKey, "");
}

void IniLangManagerStore::SetProgramFolder(const std::string& folder)
{
    std::string trimmed = folder;
    while (trimmed.size() > 1 && trimmed.back() == '/') {
        trimmed.pop_back();
    }
    Write(kFolderKey, trimmed);
}

std::string IniLangManagerStore::LanguageExtension() const
{
    return ProfileFile(m_path).ReadString(kSection, kExtensionKey, "");
}

void IniLangManagerStore::SetLanguageExtension(const std::string& extension)
{
    Write(kExtensionKey, extension);
}

void IniLangManagerStore::Write(const char* key, const std::string& value) const
{
    // The maker's folder may not exist yet on a fresh account.
    const QString folder = QFileInfo(QFile::decodeName(m_path.c_str())).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "%s: %s\n", kProductName, UnableToWriteMessage(m_path).c_str());
        return;
    }
    const ProfileWriteResult result = ProfileFile(m_path).WriteString(kSection, key, value);
    if (!result.ok()) {
        std::fprintf(stderr, "%s: %s (%s)\n", kProductName, result.message.c_str(), result.reason.c_str());
    }
}

}  // namespace quorvel
