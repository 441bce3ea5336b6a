#include "ui/lang/lang_store.h"

#include <QDir>
#include <QFileInfo>

#include "core/settings/profile_file.h"

namespace quorvel {

QString LangStore::Choice() const
{
    return Read(kChoiceKey);
}

QString LangStore::ProgramFolder() const
{
    return Read(kFolderKey);
}

bool LangStore::StoreChoice(const QString& extension, QString& error) const
{
    return Write(kChoiceKey, extension, error);
}

bool LangStore::StoreProgramFolder(const QString& folder, QString& error) const
{
    QString withoutSlash = folder;
    while (withoutSlash.size() > 1 && withoutSlash.endsWith(u'/')) {
        withoutSlash.chop(1);
    }
    return Write(kFolderKey, withoutSlash, error);
}

QString LangStore::Read(const char* key) const
{
    if (m_path.isEmpty()) {
        return {};
    }
    const ProfileFile file(QFile::encodeName(m_path).toStdString());
    return QString::fromStdString(file.ReadString(kSection, key, ""));
}

bool LangStore::Write(const char* key, const QString& value, QString& error) const
{
    if (m_path.isEmpty()) {
        error = QStringLiteral("No file to keep the language choice in");
        return false;
    }
    // The store's folder is shared by the maker's programs and may not exist yet.
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        error = QStringLiteral("Unable to write to %1").arg(m_path);
        return false;
    }
    const ProfileFile file(QFile::encodeName(m_path).toStdString());
    const ProfileWriteResult result = file.WriteString(kSection, key, value.toStdString());
    if (!result.ok()) {
        error = QString::fromStdString(result.message + ": " + result.reason);
        return false;
    }
    return true;
}

}  // namespace quorvel
