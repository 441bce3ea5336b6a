#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/lang_manager_store.h"
#include "ui/lang/lang_item.h"

class TLangForm;

// Where the language manager looks and what it starts from. Built by the app.
struct LangMgrConfig {
    QStringList searchFolders;   // folders holding Quorvel.<ext> files, in order
    QString storeFile;           // without `store`: the INI file keeping the choice; empty: none
    QString localeAbbreviation;  // three-letter language name of the locale, e.g. "DEU"
    // Where the chosen extension and the program folder are kept (the platform's store).
    std::shared_ptr<quorvel::LangManagerStore> store = nullptr;
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
    // Makes the language at `index` current and remembers it; an index outside the list changes
    // nothing. Either way every registered window re-applies the current language.
    void SelectLanguage(int index);
    QString CurrentFile() const;
    int ItemIndex() const { return m_itemIndex; }
    const QList<TLangItem>& Items() const { return m_items; }

    void RegisterWindow(TLangForm* window);
    void UnregisterWindow(TLangForm* window);

    // A text of a section of the stored language's file, for code without a window. Reads only
    // what stays fixed after construction and the store file, so any thread may call it.
    QString LangFileStr(const QString& section, const QString& key, const QString& defaultText) const;

    // File name stem of language files: Quorvel.<ext>, matched without regard to case.
    static constexpr const char* kFileStem = "Quorvel";
    static constexpr const char* kUnknownName = "<Unknown>";
    static constexpr const char* kUnsafeFreeMessage = "unsafe free of Language Manager!";

private:
    void FindLanguageFiles();
    void ChooseInitialLanguage();
    // The extension wanted at start: the stored choice, else the locale's.
    QString WantedExtension() const;
    int IndexOfExtension(const QString& extension) const;

    LangMgrConfig m_config;
    std::shared_ptr<quorvel::LangManagerStore> m_store;  // null: nothing is remembered
    int m_itemIndex = -1;
    QList<TLangItem> m_items;
    QList<TLangForm*> m_windowList;
};
