#pragma once

#include <span>
#include <string_view>

namespace quorvel {

// A text that code asks for by key (LangStr, LangFmt, LangFileStr, or a core lookup), with its
// English default, in the language-file section it is read from.
struct LangMessage {
    std::string_view section;
    std::string_view key;
    std::string_view defaultText;  // UTF-8
};

// Every such text of the program. Component captions, texts and hints are not listed here: the
// language template collects them from the windows themselves.
std::span<const LangMessage> LangMessageCatalog();

}  // namespace quorvel
