#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "core/text/lang_lookup.h"

class TLangMgr;

namespace quorvel {

// The texts of one language-file section in the current language, for code that builds a
// window's texts without that window (the schedule listing of the command line).
class LangFileLookup final : public LangLookup {
public:
    LangFileLookup(const TLangMgr& langMgr, QString section);

    std::string Str(std::string_view key, std::string_view defaultText) const override;

private:
    const TLangMgr& m_langMgr;
    QString m_section;
};

}  // namespace quorvel
