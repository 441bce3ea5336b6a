#pragma once

#include <string>

namespace quorvel {

// The two values the language manager keeps outside DataDir, where the maker's other programs
// find them: the program's folder and the chosen language file's extension.
class LangManagerStore {
public:
    virtual ~LangManagerStore() = default;

    // Empty when never written or unreadable.
    virtual std::string ProgramFolder() const = 0;
    virtual void SetProgramFolder(const std::string& folder) = 0;

    // With its leading dot, for example ".FRA"; empty when no language was ever chosen.
    virtual std::string LanguageExtension() const = 0;
    virtual void SetLanguageExtension(const std::string& extension) = 0;
};

}  // namespace quorvel
