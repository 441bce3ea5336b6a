#include "ui/lang/lang_file_lookup.h"

#include "ui/lang/lang_mgr.h"

namespace quorvel {

LangFileLookup::LangFileLookup(const TLangMgr& langMgr, QString section)
    : m_langMgr(langMgr), m_section(std::move(section))
{
}

std::string LangFileLookup::Str(std::string_view key, std::string_view defaultText) const
{
    return m_langMgr
        .LangFileStr(m_section, QString::fromUtf8(key.data(), qsizetype(key.size())),
                     QString::fromUtf8(defaultText.data(), qsizetype(defaultText.size())))
        .toStdString();
}

}  // namespace quorvel
