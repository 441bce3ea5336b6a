#include "ui/lang/lang_message_catalog.h"

#include <array>

namespace quorvel {
namespace {

// One row per key a window's code (or core code on its behalf) asks for. Add the row together with
// the code that asks, then regenerate the shipped files with --write-language-template; a test
// compares the code's literal keys and defaults with this table.
constexpr std::array<LangMessage, 0> kCatalog{};

}  // namespace

std::span<const LangMessage> LangMessageCatalog()
{
    return kCatalog;
}

}  // namespace quorvel
