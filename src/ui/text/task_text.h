#pragma once

#include <QString>
#include <string_view>

namespace quorvel {

// Task and schedule text as the user sees it. Task lines are kept as the bytes stored: UTF-8
// where they are valid UTF-8, else taken as Windows-1252, the code page older task files use.
QString TaskTextForDisplay(std::string_view bytes);

}  // namespace quorvel
