#include "ui/lang/lang_file.h"

#include <QFile>

#include "core/settings/profile_document.h"
#include "core/text/charset_code_page.h"
#include "core/text/lang_int.h"
#include "core/text/utf8_check.h"
#include "ui/lang/code_page_decoder.h"

namespace quorvel {

std::unique_ptr<LangFile> LangFile::Open(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > qint64(kMaxFileSize)) {
        return nullptr;
    }
    const QByteArray bytes = file.read(qint64(kMaxFileSize) + 1);
    if (bytes.size() > qsizetype(kMaxFileSize)) {
        return nullptr;  // grew while being read, or a device that reports no size
    }
    return FromBytes(bytes.toStdString());
}

std::unique_ptr<LangFile> LangFile::FromBytes(std::string bytes)
{
    return std::unique_ptr<LangFile>(new LangFile(std::move(bytes)));
}

LangFile::LangFile(std::string bytes) : m_profile(std::make_unique<ProfileDocument>(bytes))
{
    // A file written as UTF-8 is read as such whatever its Charset says; a legacy file in a code
    // page is practically never valid UTF-8 once it holds any letter beyond ASCII.
    if (!IsValidUtf8(bytes)) {
        const auto charset = IntValue("General", "Charset");
        m_codePage = CodePageOfCharset(charset.value_or(0));
    }
}

LangFile::~LangFile() = default;

bool LangFile::HasGeneralKeys() const
{
    return !m_profile->KeyNames("General").empty();
}

std::optional<QString> LangFile::Value(std::string_view section, std::string_view key) const
{
    const auto value = m_profile->Value(section, key);
    if (!value) {
        return std::nullopt;
    }
    if (m_codePage == std::string_view("UTF-8")) {
        return QString::fromUtf8(value->data(), qsizetype(value->size()));
    }
    return DecodeCodePage(*value, m_codePage);
}

std::optional<int> LangFile::IntValue(std::string_view section, std::string_view key) const
{
    const auto value = m_profile->Value(section, key);
    return value ? ParseLangInt(*value) : std::nullopt;
}

}  // namespace quorvel
