#include "ui/lang/lang_form.h"

#include "ui/lang/lang_mgr.h"

// Placeholder behaviour until language files are read: every lookup gives its default.
class TLangForm::SectionLookup final : public quorvel::LangLookup {
public:
    explicit SectionLookup(const TLangForm& form) : m_form(form) {}
    std::string Str(std::string_view key, std::string_view defaultText) const override
    {
        return m_form
            .LangStr(QString::fromUtf8(key.data(), qsizetype(key.size())),
                     QString::fromUtf8(defaultText.data(), qsizetype(defaultText.size())))
            .toStdString();
    }

private:
    const TLangForm& m_form;
};

TLangForm::TLangForm(QWidget& window, QString className, TLangMgr& langMgr)
    : m_window(window),
      m_className(std::move(className)),
      m_langMgr(langMgr),
      m_lookup(std::make_unique<SectionLookup>(*this))
{
}

TLangForm::~TLangForm()
{
    m_langMgr.UnregisterWindow(this);
}

void TLangForm::InitLanguage()
{
    m_langMgr.RegisterWindow(this);
    LanguageChanged();
}

void TLangForm::LanguageChanged() {}

QString TLangForm::LangStr(const QString&, const QString& defaultText) const
{
    return defaultText;
}

QString TLangForm::LangFmt(const QString&, const QString& defaultText, const QVariantList&) const
{
    return defaultText;
}

const quorvel::LangLookup& TLangForm::Lookup() const
{
    return *m_lookup;
}
