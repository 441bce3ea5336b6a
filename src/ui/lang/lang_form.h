#pragma once

#include <QString>
#include <QVariantList>
#include <memory>

#include "core/text/lang_lookup.h"

class QWidget;
class TLangMgr;

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
    void LanguageChanged();

    QString LangStr(const QString& key, const QString& defaultText) const;
    QString LangFmt(const QString& key, const QString& defaultText, const QVariantList& args) const;

    // The same lookups for core code that builds texts of this window's section.
    const quorvel::LangLookup& Lookup() const;

    const QString& ClassName() const { return m_className; }
    TLangMgr& LangMgr() const { return m_langMgr; }

private:
    class SectionLookup;

    QWidget& m_window;
    QString m_className;
    TLangMgr& m_langMgr;
    QString m_languageFile;  // the open language file of the current language, or empty
    std::unique_ptr<SectionLookup> m_lookup;
};
