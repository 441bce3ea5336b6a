#pragma once

namespace quorvel {

// The code page, by its iconv name, in which a language file with this `Charset` (a font
// character set number of the original platform) stores its texts. Unknown sets, 0 (ANSI) and
// 1 (default) give Windows-1252.
const char* CodePageOfCharset(int charset);

}  // namespace quorvel
