#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QMenu;
class QWidget;
class TLangMgr;

namespace quorvel {

// What the language choice needs from the main window.
struct LanguageChoiceHooks {
    // Settings file access (wake.ini), one key per call. The writer returns the message to show
    // the user when the write failed ("Unable to write to ..."), else an empty text.
    std::function<std::string(std::string_view section, std::string_view key, std::string_view defaultValue)>
        readSetting;
    std::function<std::string(std::string_view section, std::string_view key, std::string_view value)>
        writeSetting;
    // Shows such a message.
    std::function<void(const QString& message)> reportError;
    // Texts set by code are read again in the new language.
    std::function<void()> rebuildTaskList;
    std::function<void()> resetShutdownStatus;
    // The options page is ready once the start-up option has been applied.
    std::function<void()> setOptionsReady;
    // Further placements that follow translated captions (the "Set Password" button); optional.
    std::function<void()> placeOtherControls;
};

// The main window's two ways of choosing a language: the Tools > Language submenu (one radio item
// per language) and the option pair on the Options page (check box and drop-down), plus the
// start-up rule that re-applies the ticked option. The window keeps the widgets; this fills and
// drives them.
class LanguageChoiceBinder : public QObject {
    Q_OBJECT
public:
    static constexpr int kStartupDelayMs = 10;
    static constexpr int kGap = 2;  // pixels between a check box's end and what follows it

    LanguageChoiceBinder(TLangMgr& langMgr, QMenu& languageMenu, QCheckBox& languageCheck,
                         QComboBox& languageCombo, LanguageChoiceHooks hooks, QObject* parent = nullptr);

    // Fills the submenu and the drop-down from the language list. The window calls it once while
    // it is created.
    void Build();

    // Starts the one-shot timer (Timer3) that runs ApplyStartupOption shortly after creation.
    void ScheduleStartupOption();
    // Ticks the check box when the option is stored as on (which selects the drop-down's
    // language), then marks the options ready and places the controls.
    void ApplyStartupOption();

    // Places the drop-down just right of its check box, which sizes itself to its caption. The
    // window also calls it whenever it is shown.
    void PlaceControls();

    int EnglishIndex() const { return m_englishIndex; }

    // What the drop-down shows for a language's Name: the native name for a few bare codes.
    static QString DisplayName(const QString& name);

    // Moves `follower` kGap pixels right of the end of `checkBox` after sizing the check box to
    // its caption; widgets in a parent with a layout are left to the layout.
    static void PlaceBeside(QWidget& follower, QWidget& checkBox);

private:
    void OnMenuItem(QAction* item);
    void OnComboActivated(int index);
    void OnCheckToggled(bool checked);
    void FollowUp();

    TLangMgr& m_langMgr;
    QMenu& m_menu;
    QCheckBox& m_check;
    QComboBox& m_combo;
    LanguageChoiceHooks m_hooks;
    QActionGroup* m_group = nullptr;
    QList<QAction*> m_items;
    int m_englishIndex = 0;
};

}  // namespace quorvel
