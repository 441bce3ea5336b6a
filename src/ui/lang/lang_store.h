#pragma once

#include <QString>

namespace quorvel {

// The language manager's two remembered values, kept in an INI file shared by the maker's
// programs (section "LangManager"): "Quorvel.exe" holds the chosen language file's extension
// with its dot (".FRA"), "Quorvel" the program's folder. Every call reads or writes the file.
class LangStore {
public:
    static constexpr const char* kSection = "LangManager";
    static constexpr const char* kChoiceKey = "Quorvel.exe";
    static constexpr const char* kFolderKey = "Quorvel";

    explicit LangStore(QString path) : m_path(std::move(path)) {}

    // Empty when the file or value is missing.
    QString Choice() const;
    QString ProgramFolder() const;

    // False, with `error` saying why, when the file cannot be written.
    bool StoreChoice(const QString& extension, QString& error) const;
    bool StoreProgramFolder(const QString& folder, QString& error) const;

    const QString& Path() const { return m_path; }

private:
    QString Read(const char* key) const;
    bool Write(const char* key, const QString& value, QString& error) const;

    QString m_path;
};

}  // namespace quorvel
