#pragma once

#include <QString>
#include <string_view>

namespace quorvel {

// Turns stored task text (a title, a program, an argument, a target) into a QString: as
// UTF-8 when it is valid UTF-8, otherwise as Windows-1252, the code page of task files written
// on the older platform. A byte that code page leaves undefined becomes U+FFFD.
QString DecodeTaskText(std::string_view bytes);

}  // namespace quorvel
