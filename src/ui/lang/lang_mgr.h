#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "ui/lang/lang_item.h"

class TLangForm;

// Where the language manager looks and what it starts from. Built by the app.
struct LangMgrConfig {
    QStringList searchFolders;   // folders holding Quorvel.<ext> files, in order
    QString storeFile;           // INI file keeping the chosen extension and the program folder
    QString localeAbbreviation;  // three-letter language name of the locale, e.g. "DEU"
};

// The one language manager of the process: finds the language files, keeps the current choice and
// tells every registered window when the language changes.
class TLangMgr {
public:
    explicit TLangMgr(LangMgrConfig config);
    ~TLangMgr();
    TLangMgr(const TLangMgr&) = delete;
    TLangMgr& operator=(const TLangMgr&) = delete;

    // Fills `names` with every language's Name and returns ItemIndex.
    int ListLanguages(QStringList& names) const;
    void SelectLanguage(int index);
    QString CurrentFile() const;
    int ItemIndex() const { return m_itemIndex; }
    const QList<TLangItem>& Items() const { return m_items; }

    void RegisterWindow(TLangForm* window);
    void UnregisterWindow(TLangForm* window);

    // A text of a section of the current language file, for code without a window.
    QString LangFileStr(const QString& section, const QString& key, const QString& defaultText) const;

private:
    LangMgrConfig m_config;
    int m_itemIndex = -1;
    QList<TLangItem> m_items;
    QList<TLangForm*> m_windowList;
};
