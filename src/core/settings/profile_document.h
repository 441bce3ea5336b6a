#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The text of one profile (INI) file, read and changed with the profile-string rules: section and
// key names match without regard to ASCII case, blanks around names and values do not count, and a
// value reads back as at most 2047 bytes. Sections of the same name count as one. Changing a value
// touches only the line that holds it (or adds lines); every other byte of the file stays as it
// was, line ends included. Bytes are never re-encoded.
class ProfileDocument {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    explicit ProfileDocument(std::string_view contents);

    // The value of the first matching key, or nothing when the section or key is absent.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Key names of a section in file order, as spelt at their first appearance.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Section names in file order, as spelt at their first appearance.
    std::vector<std::string> SectionNames() const;

    // Replaces the first matching key's value in place, or adds the key at the end of its section,
    // or adds the section at the end of the file. Refuses (returns why, changes nothing) what could
    // not be read back as written: empty names, line breaks, a key holding "=" or starting like a
    // section or comment line. Returns an empty string on success.
    std::string SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Contents() const;

private:
    struct Line {
        std::string text;
        std::string ending;  // "\r\n", "\n", "\r" or "" for a last line without one
    };

    std::size_t LeadSkip(std::size_t index) const;
    void EnsureEnded(std::size_t index);

    std::vector<Line> m_lines;
    std::string m_lineEnd;  // used for added lines: the file's own, else CR LF
};

}  // namespace quorvel
