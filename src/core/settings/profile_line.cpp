#include "core/settings/profile_line.h"

#include "core/text/ascii_blanks.h"

namespace quorvel {

ProfileLine ParseProfileLine(std::string_view text)
{
    ProfileLine line;
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) {
        return line;
    }
    if (trimmed.front() == '[') {
        // Up to the last "]" so that a name holding "]" still reads back whole.
        std::string_view inner = trimmed.substr(1);
        const auto close = inner.rfind(']');
        if (close != std::string_view::npos) {
            inner = inner.substr(0, close);
        }
        line.kind = ProfileLine::Kind::Section;
        line.name = TrimBlanks(inner);
        return line;
    }
    if (trimmed.front() == ';') {
        line.kind = ProfileLine::Kind::Comment;
        return line;
    }
    const auto equals = text.find('=');
    const std::string_view name =
        equals == std::string_view::npos ? std::string_view() : TrimBlanks(text.substr(0, equals));
    if (name.empty()) {
        line.kind = ProfileLine::Kind::Other;
        return line;
    }
    std::size_t start = equals + 1;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    line.kind = ProfileLine::Kind::Key;
    line.name = name;
    line.value = TrimBlanks(text.substr(start));
    line.valueStart = start;
    return line;
}

}  // namespace quorvel
