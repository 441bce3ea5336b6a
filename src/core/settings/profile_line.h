#pragma once

#include <cstddef>
#include <string_view>

namespace quorvel {

// What one line of a profile (INI) file says. Only section and key lines carry meaning; comments
// (first non-blank ";"), blank lines and lines without "=" are kept when the file is rewritten but
// never read as settings.
struct ProfileLine {
    enum class Kind { Blank, Section, Key, Comment, Other };

    Kind kind = Kind::Blank;
    std::string_view name;       // section or key name, blanks around it dropped
    std::string_view value;      // key lines: the stored value, blanks around it dropped
    std::size_t valueStart = 0;  // key lines: where the value begins in the line (after "=" and blanks)
};

// Reads one line (without its line end). Views point into `text`.
ProfileLine ParseProfileLine(std::string_view text);

}  // namespace quorvel
