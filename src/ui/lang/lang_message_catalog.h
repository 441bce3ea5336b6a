#pragma once

#include <span>

namespace quorvel {

// A text that code asks for by key (LangStr, LangFmt, LangFileStr, or a core lookup), with its
// English default, in the language-file section it is read from.
struct LangMessage {
    const char* section;
    const char* key;
    const char* defaultText;  // UTF-8
};

// Every such text of the program. Component captions, texts and hints are not listed here: the
// language template collects them from the windows themselves.
std::span<const LangMessage> LangMessageCatalog();

}  // namespace quorvel
