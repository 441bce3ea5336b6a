#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

#include "core/text/lang_lookup.h"

class QWidget;
class TLangMgr;

namespace quorvel {
class LangFile;
}

// Base of every window: applies the current language to the window and offers its text lookups.
// A mixin beside the Qt widget class, so dialogs and the main window share it.
class TLangForm {
public:
    TLangForm(QWidget& window, QString className, TLangMgr& langMgr);
    virtual ~TLangForm();
    TLangForm(const TLangForm&) = delete;
    TLangForm& operator=(const TLangForm&) = delete;

    // Registers with the manager and applies the current language. A window calls it at the end
    // of its constructor, after building its widgets and before its own creation steps.
    void InitLanguage();
    // Re-reads the current language file and applies it to the window's font, title and
    // components. Without a current file the window keeps the texts it shows.
    void LanguageChanged();

    // The window section's text for `key`, or `defaultText` when there is none.
    QString LangStr(const QString& key, const QString& defaultText) const;
    // LangStr, formatted with `args` (texts and whole numbers for %s and %d). A translation
    // whose directives do not fit the arguments is returned unformatted.
    QString LangFmt(const QString& key, const QString& defaultText, const QVariantList& args) const;

    // The same lookups for core code that builds texts of this window's section.
    const quorvel::LangLookup& Lookup() const;

    // Forwarded to the manager.
    int ListLanguages(QStringList& names) const;
    void SelectLanguage(int index);

    const QString& ClassName() const { return m_className; }
    TLangMgr& LangMgr() const { return *m_langMgr; }

private:
    friend class TLangMgr;
    class SectionLookup;

    void ApplyLanguage();
    void ApplyFont();
    void ApplyComponents();
    // Called by a manager that goes away while this window still exists.
    void DetachFromLangMgr() { m_langMgr = nullptr; }

    QWidget& m_window;
    QString m_className;
    TLangMgr* m_langMgr;
    std::unique_ptr<quorvel::LangFile> m_languageFile;  // the current language's file, or none
    std::unique_ptr<SectionLookup> m_lookup;
};
