#include "ui/lang/lang_template.h"

#include <QAction>
#include <QWidget>
#include <utility>

#include "core/settings/profile_document.h"
#include "core/text/ascii_case.h"
#include "ui/lang/lang_component_texts.h"
#include "ui/lang/lang_form.h"
#include "ui/lang/lang_mgr.h"

namespace quorvel {
namespace {

constexpr const char* kHeader =
    "\xEF\xBB\xBF; English texts of Quorvel. A translation is a copy named Quorvel.<ext> with the values\r\n"
    "; translated and General/Language naming the language. A file that is not UTF-8 is read in the\r\n"
    "; code page its Charset names (for example 134 = GBK, 204 = Windows-1251, 0 = Windows-1252).\r\n";

struct Entry {
    std::string key;
    std::string value;
};

struct Section {
    std::string name;
    std::vector<Entry> entries;
};

// Sections and keys in the order they are first met; a key met again keeps its first text.
class TemplateSections {
public:
    void Add(const std::string& section, const std::string& key, const std::string& value)
    {
        Section& s = Find(section);
        for (const Entry& e : s.entries) {
            if (EqualsIgnoreAsciiCase(e.key, key)) {
                return;
            }
        }
        s.entries.push_back({key, value});
    }

    const std::vector<Section>& All() const { return m_sections; }

private:
    Section& Find(const std::string& name)
    {
        for (Section& s : m_sections) {
            if (EqualsIgnoreAsciiCase(s.name, name)) {
                return s;
            }
        }
        m_sections.push_back({name, {}});
        return m_sections.back();
    }

    std::vector<Section> m_sections;
};

// The tool tip Qt shows for an action that has none of its own: its text without "&" marks and "...".
QString DerivedToolTip(const QString& text)
{
    QString stripped = text;
    stripped.remove(QStringLiteral("..."));
    for (qsizetype i = 0; i < stripped.size(); ++i) {
        if (stripped[i] == u'&') {
            stripped.remove(i, 1);  // "&&" leaves one "&", which the loop then steps over
        }
    }
    return stripped.trimmed();
}

// A hint worth translating: one the component really has, not the one Qt makes up from the text.
bool HasOwnHint(const QObject& component, const QString& hint)
{
    const auto* action = qobject_cast<const QAction*>(&component);
    return action == nullptr || hint != DerivedToolTip(action->text());
}

void AddWindow(QWidget& window, TemplateSections& sections)
{
    const auto* form = dynamic_cast<const TLangForm*>(&window);
    if (form == nullptr) {
        return;
    }
    const std::string section = form->ClassName().toStdString();
    if (!window.windowTitle().isEmpty()) {
        sections.Add(section, "Caption", window.windowTitle().toStdString());
    }
    ForEachLangComponent(window, [&](QObject& component) {
        for (const auto property : {LangProperty::Caption, LangProperty::Hint}) {
            const auto text = ReadLangProperty(component, property);
            if (text && !text->isEmpty() && *text != QLatin1String("-") &&
                (property != LangProperty::Hint || HasOwnHint(component, *text))) {
                sections.Add(section, component.objectName().toStdString() + "." + LangPropertyName(property),
                             text->toStdString());
            }
        }
    });
}

}  // namespace

std::string BuildLanguageTemplate(std::span<const LangTemplateWindowFactory> windows,
                                  std::span<const LangMessage> messages, QString& error)
{
    TemplateSections sections;
    sections.Add("General", "Language", "English");
    sections.Add("General", "Charset", "0");

    // The windows are built in English: a manager that finds no language files.
    TLangMgr english(LangMgrConfig{});
    for (const auto& build : windows) {
        const std::unique_ptr<QWidget> window = build(english);
        if (window) {
            AddWindow(*window, sections);
        }
    }
    for (const LangMessage& message : messages) {
        sections.Add(std::string(message.section), std::string(message.key),
                     std::string(message.defaultText));
    }

    ProfileDocument document(kHeader);
    for (const Section& section : sections.All()) {
        for (const Entry& entry : section.entries) {
            const std::string refused = document.SetValue(section.name, entry.key, entry.value);
            if (!refused.empty()) {
                error = QString::fromStdString("[" + section.name + "] " + entry.key + ": " + refused);
                return {};
            }
        }
    }
    return document.Contents();
}

}  // namespace quorvel
