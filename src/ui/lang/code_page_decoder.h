#pragma once

#include <QString>
#include <string_view>

namespace quorvel {

// Turns 8-bit text of a code page (an iconv name such as "CP1252" or "GBK") into display text.
// A byte sequence the code page does not define becomes U+FFFD, so a damaged file still shows
// everything else; an unknown code page is read as Windows-1252.
QString DecodeCodePage(std::string_view bytes, const char* codePage);

}  // namespace quorvel
