#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Looks up a user-visible text of one language-file section by key, falling back to the English
// default. Core builds its texts through this so it never depends on the language manager.
class LangLookup {
public:
    virtual ~LangLookup() = default;
    virtual std::string Str(std::string_view key, std::string_view defaultText) const = 0;
};

// Returns every default unchanged: the built-in English texts.
class EnglishLookup final : public LangLookup {
public:
    std::string Str(std::string_view, std::string_view defaultText) const override
    {
        return std::string(defaultText);
    }
};

}  // namespace quorvel
