#include "ui/lang/lang_mgr.h"

// Placeholder behaviour until language files are read: no language, built-in English texts.
TLangMgr::TLangMgr(LangMgrConfig config) : m_config(std::move(config)) {}

TLangMgr::~TLangMgr() = default;

int TLangMgr::ListLanguages(QStringList& names) const
{
    names.clear();
    for (const auto& item : m_items) {
        names << item.Name;
    }
    return m_itemIndex;
}

void TLangMgr::SelectLanguage(int) {}

QString TLangMgr::CurrentFile() const
{
    return {};
}

void TLangMgr::RegisterWindow(TLangForm* window)
{
    m_windowList.append(window);
}

void TLangMgr::UnregisterWindow(TLangForm* window)
{
    m_windowList.removeAll(window);
}

QString TLangMgr::LangFileStr(const QString&, const QString&, const QString& defaultText) const
{
    return defaultText;
}
