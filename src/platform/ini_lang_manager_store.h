#pragma once

#include <string>

#include "platform/lang_manager_store.h"

namespace quorvel {

// The language manager's two values in an INI file shared by the maker's programs, section
// "LangManager": "Quorvel.exe" holds the chosen extension (the original executable's name is kept
// so other copies and tools keep finding it), "Quorvel" the program's folder. Every call reads or
// writes the file; a failed write is reported on standard error and otherwise ignored.
class IniLangManagerStore final : public LangManagerStore {
public:
    static constexpr const char* kSection = "LangManager";
    static constexpr const char* kExtensionKey = "Quorvel.exe";
    static constexpr const char* kFolderKey = "Quorvel";

    explicit IniLangManagerStore(std::string path) : m_path(std::move(path)) {}

    // $XDG_CONFIG_HOME/Brenholt/LangManager.ini (default ~/.config/...).
    static std::string DefaultPath();

    std::string ProgramFolder() const override;
    // Without trailing slashes, as the folder value always was.
    void SetProgramFolder(const std::string& folder) override;
    std::string LanguageExtension() const override;
    void SetLanguageExtension(const std::string& extension) override;

    const std::string& Path() const { return m_path; }

private:
    void Write(const char* key, const std::string& value) const;

    std::string m_path;
};

}  // namespace quorvel
