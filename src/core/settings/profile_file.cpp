#include "core/settings/profile_file.h"

#include <sys/stat.h>

#include <optional>
#include <utility>

#include "core/io/atomic_file.h"
#include "core/settings/profile_document.h"
#include "core/text/ascii_blanks.h"

namespace quorvel {
namespace {

std::string ReadOrEmpty(const std::string& path)
{
    std::string contents;
    if (!ReadWholeFile(path, contents)) {
        return {};
    }
    return contents;
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// Decimal with an optional sign, or hexadecimal after "0x"; the value only matters as zero or not,
// so any length of digits is fine.
std::optional<bool> ParseIntegerTruth(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    bool hex = false;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    bool nonZero = false;
    for (const char c : text) {
        const bool digit = (c >= '0' && c <= '9');
        const bool hexDigit = hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
        if (!digit && !hexDigit) {
            return std::nullopt;
        }
        nonZero = nonZero || c != '0';
    }
    return nonZero;
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : m_path(std::move(path)) {}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    const auto value = ProfileDocument(ReadOrEmpty(m_path)).Value(section, key);
    return value ? *value : std::string(defaultValue);
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    const auto value = ProfileDocument(ReadOrEmpty(m_path)).Value(section, key);
    if (!value) {
        return defaultValue;
    }
    return ParseIntegerTruth(*value).value_or(defaultValue);
}

std::vector<std::string> ProfileFile::ReadKeyNames(std::string_view section) const
{
    return ProfileDocument(ReadOrEmpty(m_path)).KeyNames(section);
}

std::vector<std::string> ProfileFile::ReadSectionNames() const
{
    return ProfileDocument(ReadOrEmpty(m_path)).SectionNames();
}

ProfileWriteResult ProfileFile::WriteString(std::string_view section, std::string_view key,
                                            std::string_view value) const
{
    const auto failure = [this](std::string reason) {
        return ProfileWriteResult{UnableToWriteMessage(m_path), std::move(reason)};
    };
    std::string old;
    if (!ReadWholeFile(m_path, old)) {
        // Writing only our key over a file we could not read would wipe the rest of it.
        if (Exists(m_path)) {
            return failure("cannot read " + m_path);
        }
        old.clear();
    }
    ProfileDocument document(old);
    std::string refused = document.SetValue(section, key, value);
    if (!refused.empty()) {
        return failure(std::move(refused));
    }
    const std::string contents = document.Contents();
    if (contents == old && Exists(m_path)) {
        return {};
    }
    std::string error = WriteFileAtomically(m_path, contents, 0600);
    if (!error.empty()) {
        return failure(std::move(error));
    }
    return {};
}

ProfileWriteResult ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) const
{
    return WriteString(section, key, value ? "1" : "0");
}

std::string UnableToWriteMessage(const std::string& path)
{
    return "Unable to write to " + path;
}

}  // namespace quorvel
