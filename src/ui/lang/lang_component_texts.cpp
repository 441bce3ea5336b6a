#include "ui/lang/lang_component_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

#include "ui/lang/lang_form.h"

namespace quorvel {
namespace {

// The tab widget showing `page` as one of its pages, with the page's index.
QTabWidget* TabOwner(const QObject& component, int& index)
{
    if (!component.isWidgetType()) {
        return nullptr;
    }
    const auto& page = static_cast<const QWidget&>(component);
    auto* stack = qobject_cast<QStackedWidget*>(page.parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    index = tabs ? tabs->indexOf(&page) : -1;
    return index >= 0 ? tabs : nullptr;
}

std::optional<QString> ReadCaption(const QObject& c)
{
    int tab = -1;
    if (auto* tabs = TabOwner(c, tab)) {
        return tabs->tabText(tab);
    }
    if (auto* action = qobject_cast<const QAction*>(&c)) {
        return action->isSeparator() ? std::nullopt : std::optional(action->text());
    }
    if (auto* menu = qobject_cast<const QMenu*>(&c)) {
        return menu->title();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(&c)) {
        return button->text();
    }
    if (auto* label = qobject_cast<const QLabel*>(&c)) {
        // A label showing a picture is an image, which has no caption.
        return label->pixmap().isNull() ? std::optional(label->text()) : std::nullopt;
    }
    if (auto* group = qobject_cast<const QGroupBox*>(&c)) {
        return group->title();
    }
    if (auto* dock = qobject_cast<const QDockWidget*>(&c)) {
        return dock->windowTitle();
    }
    return std::nullopt;
}

void WriteCaption(QObject& c, const QString& text)
{
    int tab = -1;
    if (auto* tabs = TabOwner(c, tab)) {
        tabs->setTabText(tab, text);
    } else if (auto* action = qobject_cast<QAction*>(&c)) {
        if (!action->isSeparator()) {
            action->setText(text);
        }
    } else if (auto* menu = qobject_cast<QMenu*>(&c)) {
        menu->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&c)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(&c)) {
        if (label->pixmap().isNull()) {
            label->setText(text);
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(&c)) {
        group->setTitle(text);
    } else if (auto* dock = qobject_cast<QDockWidget*>(&c)) {
        dock->setWindowTitle(text);
    }
}

std::optional<QString> ReadText(const QObject& c)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(&c)) {
        return edit->text();
    }
    if (auto* combo = qobject_cast<const QComboBox*>(&c); combo && combo->isEditable()) {
        return combo->currentText();
    }
    return std::nullopt;
}

void WriteText(QObject& c, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(&c)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(&c); combo && combo->isEditable()) {
        combo->setEditText(text);
    }
}

std::optional<QString> ReadHint(const QObject& c)
{
    if (auto* action = qobject_cast<const QAction*>(&c)) {
        return action->isSeparator() ? std::nullopt : std::optional(action->toolTip());
    }
    if (c.isWidgetType()) {
        return static_cast<const QWidget&>(c).toolTip();
    }
    return std::nullopt;
}

void WriteHint(QObject& c, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(&c)) {
        action->setToolTip(text);
    } else if (c.isWidgetType()) {
        static_cast<QWidget&>(c).setToolTip(text);
    }
}

bool IsWindowOfItsOwn(const QObject& object)
{
    if (dynamic_cast<const TLangForm*>(&object) != nullptr) {
        return true;
    }
    // Menus are popup windows but belong to the window that owns them.
    return object.isWidgetType() && static_cast<const QWidget&>(object).isWindow() &&
           qobject_cast<const QMenu*>(&object) == nullptr;
}

bool IsTranslatable(const QObject& object)
{
    const QString name = object.objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
           !object.property(kLangKeepTextsProperty).toBool();
}

void Walk(const QObject& parent, const std::function<void(QObject&)>& visit)
{
    const QObjectList children = parent.children();  // a copy: visiting must not disturb the walk
    for (QObject* child : children) {
        if (IsWindowOfItsOwn(*child)) {
            continue;
        }
        if (IsTranslatable(*child)) {
            visit(*child);
        }
        Walk(*child, visit);
    }
}

}  // namespace

const char* LangPropertyName(LangProperty property)
{
    switch (property) {
        case LangProperty::Caption:
            return "Caption";
        case LangProperty::Text:
            return "Text";
        case LangProperty::Hint:
            return "Hint";
    }
    return "";
}

std::optional<QString> ReadLangProperty(const QObject& component, LangProperty property)
{
    switch (property) {
        case LangProperty::Caption:
            return ReadCaption(component);
        case LangProperty::Text:
            return ReadText(component);
        case LangProperty::Hint:
            return ReadHint(component);
    }
    return std::nullopt;
}

void WriteLangProperty(QObject& component, LangProperty property, const QString& text)
{
    switch (property) {
        case LangProperty::Caption:
            WriteCaption(component, text);
            break;
        case LangProperty::Text:
            WriteText(component, text);
            break;
        case LangProperty::Hint:
            WriteHint(component, text);
            break;
    }
}

void ForEachLangComponent(QWidget& window, const std::function<void(QObject&)>& visit)
{
    Walk(window, visit);
}

}  // namespace quorvel
