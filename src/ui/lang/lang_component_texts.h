#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace quorvel {

// The texts of a component that a language file can replace, by the names its keys use
// ("Button1.Caption", "Edit1.Text", "Button1.Hint"), in the order they are applied.
enum class LangProperty { Caption, Text, Hint };
inline constexpr std::array kLangProperties{LangProperty::Caption, LangProperty::Text, LangProperty::Hint};

const char* LangPropertyName(LangProperty property);

// A component whose texts are program data (for example a list of native language names) sets
// this dynamic property to true; language files then leave it alone.
inline constexpr const char* kLangKeepTextsProperty = "langKeepTexts";

// The component's current text for the property, or nothing when it has no such text:
// Caption is a button's, text label's or action's text, a group box's or menu's title, a tab page's tab
// text or a dock's title; Text is a line edit's or an editable combo box's text; Hint is the
// tool tip. A separator action has no caption.
std::optional<QString> ReadLangProperty(const QObject& component, LangProperty property);

// Sets the property's text; does nothing for a component without it.
void WriteLangProperty(QObject& component, LangProperty property, const QString& text);

// Visits every named component of `window` in creation order, depth first: child widgets,
// actions and menus. Windows of their own inside it (dialogs, other language-aware windows) and
// Qt's internal parts are not visited, and neither is anything below another language-aware
// window.
void ForEachLangComponent(QWidget& window, const std::function<void(QObject&)>& visit);

}  // namespace quorvel
