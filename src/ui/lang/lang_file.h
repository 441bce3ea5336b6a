#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

class ProfileDocument;

// One language file, read once and kept in memory while it is current. Values are decoded for
// display: as UTF-8 when the whole file is valid UTF-8 (a byte-order mark is allowed), else in
// the code page its General/Charset names (Windows-1252 when that is missing or unreadable).
class LangFile {
public:
    // Files larger than this are not language files; they are not read at all.
    static constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;

    // Nothing when the file cannot be read or is too large.
    static std::unique_ptr<LangFile> Open(const QString& path);
    static std::unique_ptr<LangFile> FromBytes(std::string bytes);
    ~LangFile();
    LangFile(const LangFile&) = delete;
    LangFile& operator=(const LangFile&) = delete;

    // True when the General section holds at least one key: only such files are language files.
    bool HasGeneralKeys() const;

    // The value of `key` in `section` (both compared without regard to case), decoded; nothing
    // when the key is absent. A key present with an empty value gives an empty text.
    std::optional<QString> Value(std::string_view section, std::string_view key) const;

    // A decimal or 0x-prefixed hexadecimal value; nothing when absent or unreadable.
    std::optional<int> IntValue(std::string_view section, std::string_view key) const;

    // The code page the values are read in ("UTF-8" or an iconv name such as "GBK").
    const char* CodePage() const { return m_codePage; }

private:
    explicit LangFile(std::string bytes);

    std::unique_ptr<ProfileDocument> m_profile;
    const char* m_codePage = "UTF-8";
};

}  // namespace quorvel
