#include "ui/lang/language_choice_binder.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QMenu>
#include <QSignalBlocker>
#include <QTimer>

#include "core/settings/settings_register.h"
#include "ui/lang/lang_component_texts.h"
#include "ui/lang/lang_mgr.h"

namespace quorvel {

LanguageChoiceBinder::LanguageChoiceBinder(TLangMgr& langMgr, QMenu& languageMenu, QCheckBox& languageCheck,
                                           QComboBox& languageCombo, LanguageChoiceHooks hooks,
                                           QObject* parent)
    : QObject(parent),
      m_langMgr(langMgr),
      m_menu(languageMenu),
      m_check(languageCheck),
      m_combo(languageCombo),
      m_hooks(std::move(hooks))
{
    // The drop-down lists language names, which are data, not texts to translate.
    m_combo.setProperty(kLangKeepTextsProperty, true);
    connect(&m_combo, &QComboBox::activated, this, &LanguageChoiceBinder::OnComboActivated);
    connect(&m_check, &QCheckBox::toggled, this, &LanguageChoiceBinder::OnCheckToggled);
}

QString LanguageChoiceBinder::DisplayName(const QString& name)
{
    if (name == QLatin1String("ESN")) {
        return QStringLiteral("Español");
    }
    if (name == QLatin1String("PTG")) {
        return QStringLiteral("Português");
    }
    if (name == QLatin1String("FRA")) {
        return QStringLiteral("Français");
    }
    if (name == QLatin1String("CHT")) {
        return QStringLiteral("漢語");
    }
    if (name == QLatin1String("JPN")) {
        return QStringLiteral("日本語");
    }
    return name;
}

void LanguageChoiceBinder::Build()
{
    for (QAction* item : m_items) {
        m_menu.removeAction(item);
        delete item;
    }
    m_items.clear();
    delete m_group;
    m_group = new QActionGroup(this);
    m_group->setExclusive(true);

    QStringList names;
    const int current = m_langMgr.ListLanguages(names);
    const QSignalBlocker blockCombo(m_combo);
    m_combo.clear();
    m_englishIndex = 0;
    for (int i = 0; i < names.size(); ++i) {
        // Unnamed, so language files never rename it; "&" would otherwise mark a shortcut.
        auto* item = new QAction(QString(names[i]).replace(u'&', QLatin1String("&&")), &m_menu);
        item->setCheckable(true);
        item->setChecked(i == current);
        item->setData(i);
        m_group->addAction(item);
        m_menu.addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { OnMenuItem(item); });
        m_items.append(item);

        m_combo.addItem(DisplayName(names[i]));
        if (names[i] == QLatin1String("English")) {
            m_englishIndex = i;
        }
    }
    m_combo.setCurrentIndex(current >= 0 && current < names.size() ? current : (names.isEmpty() ? -1 : 0));
}

void LanguageChoiceBinder::ScheduleStartupOption()
{
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer3"));
    timer->setSingleShot(true);
    timer->setInterval(kStartupDelayMs);
    connect(timer, &QTimer::timeout, this, [this, timer] {
        timer->deleteLater();
        ApplyStartupOption();
    });
    timer->start();
}

void LanguageChoiceBinder::ApplyStartupOption()
{
    const auto& option = settings::kOtherLanguage;
    // A switch: "1" is on, anything else (absence included) is off.
    if (m_hooks.readSetting && m_hooks.readSetting(option.section, option.key, "0") == "1") {
        m_check.setChecked(true);
    }
    if (m_hooks.setOptionsReady) {
        m_hooks.setOptionsReady();
    }
    PlaceControls();
}

void LanguageChoiceBinder::PlaceControls()
{
    PlaceBeside(m_combo, m_check);
    if (m_hooks.placeOtherControls) {
        m_hooks.placeOtherControls();
    }
}

void LanguageChoiceBinder::PlaceBeside(QWidget& follower, QWidget& checkBox)
{
    const QWidget* parent = follower.parentWidget();
    if (parent != nullptr && parent->layout() != nullptr) {
        return;
    }
    checkBox.resize(checkBox.sizeHint().width(), checkBox.height());
    follower.move(checkBox.x() + checkBox.width() + kGap, follower.y());
}

void LanguageChoiceBinder::OnMenuItem(QAction* item)
{
    m_langMgr.SelectLanguage(item->data().toInt());
    item->setChecked(true);
    FollowUp();
}

void LanguageChoiceBinder::OnComboActivated(int index)
{
    m_check.setChecked(true);
    m_langMgr.SelectLanguage(index);
    FollowUp();
}

void LanguageChoiceBinder::OnCheckToggled(bool checked)
{
    // A failed write is shown; the language still changes for this run.
    const auto& option = settings::kOtherLanguage;
    const std::string failed = m_hooks.writeSetting
                                   ? m_hooks.writeSetting(option.section, option.key, checked ? "1" : "0")
                                   : std::string();
    if (!failed.empty() && m_hooks.reportError) {
        m_hooks.reportError(QString::fromStdString(failed));
    }
    m_langMgr.SelectLanguage(checked ? m_combo.currentIndex() : m_englishIndex);
    FollowUp();
}

void LanguageChoiceBinder::FollowUp()
{
    if (m_hooks.rebuildTaskList) {
        m_hooks.rebuildTaskList();
    }
    if (m_hooks.resetShutdownStatus) {
        m_hooks.resetShutdownStatus();
    }
    PlaceControls();
}

}  // namespace quorvel
