#include "core/security/ini_name_escape.h"

#include "core/text/ascii_blanks.h"

namespace quorvel {

std::string EscapeIniName(std::string_view name)
{
    std::string out;
    for (const char c : TrimBlanks(name)) {
        switch (c) {
            case ' ':
                out += '_';
                break;
            case '=':
                out += "\\-";
                break;
            case '@':
                out += "\\A";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '_':
                out += "\\_";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string UnescapeIniName(std::string_view escaped)
{
    std::string out;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c == '_') {
            out += ' ';
            continue;
        }
        if (c != '\\' || i + 1 == escaped.size()) {
            out += c;
            continue;
        }
        switch (escaped[i + 1]) {
            case '-':
                out += '=';
                break;
            case 'A':
                out += '@';
                break;
            case '\\':
                out += '\\';
                break;
            case '_':
                out += '_';
                break;
            default:
                out += c;
                continue;  // not a pair: the next byte is read on its own
        }
        ++i;
    }
    return out;
}

}  // namespace quorvel
