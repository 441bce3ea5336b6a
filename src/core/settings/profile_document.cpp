#include "core/settings/profile_document.h"

#include "core/settings/profile_line.h"
#include "core/text/ascii_blanks.h"
#include "core/text/ascii_case.h"

namespace quorvel {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

// A value wrapped in a matching pair of quotes reads back without them, which is also the way to
// store a value whose own blanks at either end must survive the trimming.
std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string StoredForm(std::string_view value)
{
    const bool needsQuotes =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || Unquote(value) != value);
    if (needsQuotes) {
        return "\"" + std::string(value) + "\"";
    }
    return std::string(value);
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void AddUnique(std::vector<std::string>& names, std::string_view name)
{
    for (const auto& known : names) {
        if (EqualsIgnoreAsciiCase(known, name)) {
            return;
        }
    }
    names.emplace_back(name);
}

}  // namespace

ProfileDocument::ProfileDocument(std::string_view contents)
{
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < contents.size()) {
        const char c = contents[i];
        if (c != '\n' && c != '\r') {
            ++i;
            continue;
        }
        const std::size_t endLength =
            (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') ? 2 : 1;
        m_lines.push_back(
            {std::string(contents.substr(start, i - start)), std::string(contents.substr(i, endLength))});
        if (m_lineEnd.empty()) {
            m_lineEnd = m_lines.back().ending;
        }
        i += endLength;
        start = i;
    }
    if (start < contents.size()) {
        m_lines.push_back({std::string(contents.substr(start)), std::string()});
    }
    if (m_lineEnd.empty()) {
        m_lineEnd = "\r\n";
    }
}

std::size_t ProfileDocument::LeadSkip(std::size_t index) const
{
    // A byte-order mark left by an editor must not hide the first section.
    return index == 0 && m_lines[0].text.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
}

std::optional<std::string> ProfileDocument::Value(std::string_view section, std::string_view key) const
{
    const std::string_view wantedKey = TrimBlanks(key);
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const ProfileLine line = ParseProfileLine(std::string_view(m_lines[i].text).substr(LeadSkip(i)));
        if (line.kind == ProfileLine::Kind::Section) {
            inSection = EqualsIgnoreAsciiCase(line.name, TrimBlanks(section));
        } else if (inSection && line.kind == ProfileLine::Kind::Key &&
                   EqualsIgnoreAsciiCase(line.name, wantedKey)) {
            return std::string(Unquote(line.value).substr(0, kMaxValueLength));
        }
    }
    return std::nullopt;
}

std::vector<std::string> ProfileDocument::KeyNames(std::string_view section) const
{
    std::vector<std::string> names;
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const ProfileLine line = ParseProfileLine(std::string_view(m_lines[i].text).substr(LeadSkip(i)));
        if (line.kind == ProfileLine::Kind::Section) {
            inSection = EqualsIgnoreAsciiCase(line.name, TrimBlanks(section));
        } else if (inSection && line.kind == ProfileLine::Kind::Key) {
            AddUnique(names, line.name);
        }
    }
    return names;
}

std::vector<std::string> ProfileDocument::SectionNames() const
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const ProfileLine line = ParseProfileLine(std::string_view(m_lines[i].text).substr(LeadSkip(i)));
        if (line.kind == ProfileLine::Kind::Section && !line.name.empty()) {
            AddUnique(names, line.name);
        }
    }
    return names;
}

void ProfileDocument::EnsureEnded(std::size_t index)
{
    if (m_lines[index].ending.empty()) {
        m_lines[index].ending = m_lineEnd;
    }
}

std::string ProfileDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view sectionName = TrimBlanks(section);
    const std::string_view keyName = TrimBlanks(key);
    if (sectionName.empty()) {
        return "the section name is empty";
    }
    if (keyName.empty()) {
        return "the key name is empty";
    }
    if (HasLineBreak(sectionName) || HasLineBreak(keyName) || HasLineBreak(value)) {
        return "a line break cannot be stored";
    }
    if (keyName.find('=') != std::string_view::npos || keyName.front() == '[' || keyName.front() == ';') {
        return "the key name '" + std::string(keyName) + "' cannot be stored";
    }

    bool inSection = false;
    bool sectionSeen = false;
    std::size_t insertAfter = 0;  // last non-blank line of the first matching section
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::size_t skip = LeadSkip(i);
        const ProfileLine line = ParseProfileLine(std::string_view(m_lines[i].text).substr(skip));
        if (line.kind == ProfileLine::Kind::Section) {
            if (inSection) {
                // The first section of that name is where a new key goes, so stop tracking it.
                inSection = false;
                sectionSeen = true;
            }
            if (EqualsIgnoreAsciiCase(line.name, sectionName)) {
                inSection = true;
                if (!sectionSeen) {
                    insertAfter = i;
                }
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (line.kind == ProfileLine::Kind::Key && EqualsIgnoreAsciiCase(line.name, keyName)) {
            m_lines[i].text.replace(skip + line.valueStart, std::string::npos, StoredForm(value));
            return {};
        }
        if (line.kind != ProfileLine::Kind::Blank && !sectionSeen) {
            insertAfter = i;
        }
    }
    if (inSection) {
        sectionSeen = true;
    }

    const std::string keyLine = std::string(keyName) + "=" + StoredForm(value);
    if (sectionSeen) {
        EnsureEnded(insertAfter);
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAfter) + 1, {keyLine, m_lineEnd});
        return {};
    }
    if (!m_lines.empty()) {
        EnsureEnded(m_lines.size() - 1);
        // A blank line between sections keeps the file readable by hand.
        if (!TrimBlanks(m_lines.back().text).empty()) {
            m_lines.push_back({std::string(), m_lineEnd});
        }
    }
    m_lines.push_back({"[" + std::string(sectionName) + "]", m_lineEnd});
    m_lines.push_back({keyLine, m_lineEnd});
    return {};
}

std::string ProfileDocument::Contents() const
{
    std::string out;
    for (const auto& line : m_lines) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

}  // namespace quorvel
