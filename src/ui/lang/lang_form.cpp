#include "ui/lang/lang_form.h"

#include <QFont>
#include <QWidget>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/text/lang_format.h"
#include "ui/lang/lang_component_texts.h"
#include "ui/lang/lang_file.h"
#include "ui/lang/lang_mgr.h"
#include "ui/lang/updates_suspended.h"

namespace {

// Larger sizes would only make the window unusable; such a value is ignored like an unreadable one.
constexpr int kMaxFontSize = 200;

// A message argument as the formatter takes it; nothing for a kind of value it does not know.
std::optional<quorvel::LangFormatArg> ToFormatArg(const QVariant& value)
{
    switch (value.typeId()) {
        case QMetaType::QString:
        case QMetaType::QByteArray:
        case QMetaType::QChar:
            return quorvel::LangFormatArg(value.toString().toStdString());
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return quorvel::LangFormatArg(value.toLongLong());
        case QMetaType::ULong:
        case QMetaType::ULongLong: {
            const qulonglong n = value.toULongLong();
            if (n > qulonglong(std::numeric_limits<long long>::max())) {
                return std::nullopt;
            }
            return quorvel::LangFormatArg(static_cast<long long>(n));
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

// Lets core code build texts of this window's section without knowing Qt.
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
      m_langMgr(&langMgr),
      m_lookup(std::make_unique<SectionLookup>(*this))
{
}

TLangForm::~TLangForm()
{
    if (m_langMgr != nullptr) {
        m_langMgr->UnregisterWindow(this);
    }
}

void TLangForm::InitLanguage()
{
    if (m_langMgr != nullptr) {
        m_langMgr->RegisterWindow(this);
    }
    LanguageChanged();
}

void TLangForm::LanguageChanged()
{
    m_languageFile.reset();
    if (m_langMgr == nullptr) {
        return;
    }
    const QString path = m_langMgr->CurrentFile();
    if (path.isEmpty()) {
        return;
    }
    m_languageFile = quorvel::LangFile::Open(path);
    if (!m_languageFile) {
        return;  // gone since start-up: the window keeps what it shows
    }
    quorvel::UpdatesSuspended suspended(m_window);
    ApplyLanguage();
}

void TLangForm::ApplyLanguage()
{
    ApplyFont();
    const QString title = LangStr(QStringLiteral("Caption"), m_window.windowTitle());
    if (title != m_window.windowTitle()) {
        m_window.setWindowTitle(title);
    }
    ApplyComponents();
}

void TLangForm::ApplyFont()
{
    // Charset only says how the file's texts are encoded; Qt fonts have no character set.
    // Children that have no font of their own follow the window's.
    QFont font = m_window.font();
    if (const auto name = m_languageFile->Value("General", "FontName"); name && !name->isEmpty()) {
        font.setFamily(*name);
    }
    if (const auto size = m_languageFile->IntValue("General", "FontSize");
        size && *size > 0 && *size <= kMaxFontSize) {
        font.setPointSize(*size);
    }
    if (font != m_window.font()) {
        m_window.setFont(font);
    }
}

void TLangForm::ApplyComponents()
{
    quorvel::ForEachLangComponent(m_window, [this](QObject& component) {
        const QString name = component.objectName();
        for (const auto property : quorvel::kLangProperties) {
            const auto current = quorvel::ReadLangProperty(component, property);
            // "-" marks a menu separator; it is never translated.
            if (!current || *current == QLatin1String("-")) {
                continue;
            }
            const QString key = name + u'.' + QLatin1String(quorvel::LangPropertyName(property));
            const QString text = LangStr(key, *current);
            // Writing only changes keeps texts Qt derives (an action's tool tip) derived.
            if (text != *current) {
                quorvel::WriteLangProperty(component, property, text);
            }
        }
    });
}

QString TLangForm::LangStr(const QString& key, const QString& defaultText) const
{
    if (!m_languageFile) {
        return defaultText;
    }
    return m_languageFile->Value(m_className.toStdString(), key.toStdString()).value_or(defaultText);
}

QString TLangForm::LangFmt(const QString& key, const QString& defaultText, const QVariantList& args) const
{
    const QString text = LangStr(key, defaultText);
    std::vector<quorvel::LangFormatArg> formatArgs;
    formatArgs.reserve(std::size_t(args.size()));
    for (const QVariant& arg : args) {
        auto converted = ToFormatArg(arg);
        if (!converted) {
            return text;
        }
        formatArgs.push_back(std::move(*converted));
    }
    const auto formatted = quorvel::FormatLangText(text.toStdString(), formatArgs);
    return formatted ? QString::fromStdString(*formatted) : text;
}

const quorvel::LangLookup& TLangForm::Lookup() const
{
    return *m_lookup;
}

int TLangForm::ListLanguages(QStringList& names) const
{
    if (m_langMgr == nullptr) {
        names.clear();
        return -1;
    }
    return m_langMgr->ListLanguages(names);
}

void TLangForm::SelectLanguage(int index)
{
    if (m_langMgr != nullptr) {
        m_langMgr->SelectLanguage(index);
    }
}
