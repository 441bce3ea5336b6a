#include "ui/lang/language_choice_binder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>

#include "lang_test_support.h"
#include "ui/lang/lang_mgr.h"

namespace quorvel {
namespace {

using testing_support::LangFolder;
using testing_support::TTestForm;

// The main window's side: widgets, a wake.ini in memory and a record of the follow-ups.
class LanguageChoiceBinderTest : public testing::Test {
protected:
    void SetUp() override
    {
        testing_support::EnsureLangTestApplication();
        m_folder.Write("Quorvel.ENU",
                       "[General]\r\nLanguage=English\r\n[TTestForm]\r\nButton1.Caption=OK\r\n");
        m_folder.Write("Quorvel.FRA",
                       "[General]\r\nLanguage=FRA\r\n[TTestForm]\r\nButton1.Caption=Valider\r\n");
        m_folder.Write("Quorvel.JPN", "[General]\r\nLanguage=JPN & more\r\n");
    }

    // Languages in list order: 0 English (ENU), 1 FRA, 2 JPN.
    void Make(const QString& locale = QString())
    {
        m_mgr = std::make_unique<TLangMgr>(m_folder.Config(locale));
        m_form = std::make_unique<TTestForm>(*m_mgr);
        m_menu = new QMenu(m_form.get());
        m_check = new QCheckBox(QStringLiteral("Change to other localized language"), m_form.get());
        m_combo = new QComboBox(m_form.get());
        LanguageChoiceHooks hooks;
        hooks.readSetting = [this](std::string_view section, std::string_view key, std::string_view def) {
            const auto it = m_settings.find(std::string(section) + "/" + std::string(key));
            return it == m_settings.end() ? std::string(def) : it->second;
        };
        hooks.writeSetting = [this](std::string_view section, std::string_view key, std::string_view value) {
            if (m_failWrites) {
                return std::string("Unable to write to /data/wake.ini");
            }
            m_settings[std::string(section) + "/" + std::string(key)] = std::string(value);
            return std::string();
        };
        hooks.reportError = [this](const QString& message) { m_log << QStringLiteral("error ") + message; };
        hooks.rebuildTaskList = [this] { m_log << QStringLiteral("rebuild"); };
        hooks.resetShutdownStatus = [this] { m_log << QStringLiteral("reset"); };
        hooks.setOptionsReady = [this] { m_log << QStringLiteral("ready"); };
        m_binder = std::make_unique<LanguageChoiceBinder>(*m_mgr, *m_menu, *m_check, *m_combo, hooks);
        m_binder->Build();
    }

    QStringList MenuTexts() const
    {
        QStringList texts;
        for (const QAction* a : m_menu->actions()) {
            texts << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
        }
        return texts;
    }
    QString Lan() const
    {
        const auto it = m_settings.find("Lan/Lan");
        return it == m_settings.end() ? QStringLiteral("<unset>") : QString::fromStdString(it->second);
    }

    LangFolder m_folder;
    std::unique_ptr<TLangMgr> m_mgr;
    std::unique_ptr<TTestForm> m_form;
    QMenu* m_menu = nullptr;
    QCheckBox* m_check = nullptr;
    QComboBox* m_combo = nullptr;
    std::unique_ptr<LanguageChoiceBinder> m_binder;
    std::map<std::string, std::string> m_settings;
    bool m_failWrites = false;
    QStringList m_log;
};

TEST_F(LanguageChoiceBinderTest, BuildsMenuAndDropDownFromTheLanguageList)
{
    Make(QStringLiteral("FRA"));

    EXPECT_EQ(MenuTexts(), (QStringList{"English", "FRA *", "JPN && more"}));
    ASSERT_EQ(m_combo->count(), 3);
    EXPECT_EQ(m_combo->itemText(1), QStringLiteral("Français"));
    EXPECT_EQ(m_combo->itemText(2), QStringLiteral("JPN & more"));
    EXPECT_EQ(m_combo->currentIndex(), 1);
    EXPECT_EQ(m_binder->EnglishIndex(), 0);
    EXPECT_TRUE(m_log.isEmpty());
}

TEST_F(LanguageChoiceBinderTest, DropDownStartsAtTheFirstLanguageWhenNoneIsCurrent)
{
    m_folder.Remove("Quorvel.ENU");
    Make();

    EXPECT_EQ(m_combo->currentIndex(), 0);
    EXPECT_EQ(m_binder->EnglishIndex(), 0);  // no language named English
    EXPECT_EQ(MenuTexts(), (QStringList{"FRA", "JPN && more"}));
}

TEST_F(LanguageChoiceBinderTest, NativeNamesOnlyForTheBareCodes)
{
    EXPECT_EQ(LanguageChoiceBinder::DisplayName(QStringLiteral("ESN")), QStringLiteral("Español"));
    EXPECT_EQ(LanguageChoiceBinder::DisplayName(QStringLiteral("PTG")), QStringLiteral("Português"));
    EXPECT_EQ(LanguageChoiceBinder::DisplayName(QStringLiteral("CHT")), QStringLiteral("漢語"));
    EXPECT_EQ(LanguageChoiceBinder::DisplayName(QStringLiteral("JPN")), QStringLiteral("日本語"));
    EXPECT_EQ(LanguageChoiceBinder::DisplayName(QStringLiteral("fra")), QStringLiteral("fra"));
    EXPECT_EQ(LanguageChoiceBinder::DisplayName(QStringLiteral("Deutsch")), QStringLiteral("Deutsch"));
}

TEST_F(LanguageChoiceBinderTest, MenuItemSelectsChecksAndFollowsUp)
{
    Make();

    m_menu->actions()[1]->trigger();

    EXPECT_EQ(m_mgr->ItemIndex(), 1);
    EXPECT_EQ(m_form->button->text(), QStringLiteral("Valider"));
    EXPECT_EQ(MenuTexts(), (QStringList{"English", "FRA *", "JPN && more"}));
    EXPECT_EQ(m_log, (QStringList{"rebuild", "reset"}));
    EXPECT_EQ(Lan(), QStringLiteral("<unset>"));
}

TEST_F(LanguageChoiceBinderTest, TickingStoresTheOptionAndSelectsTheDropDownsLanguage)
{
    Make();
    m_combo->setCurrentIndex(1);

    m_check->setChecked(true);
    EXPECT_EQ(Lan(), QStringLiteral("1"));
    EXPECT_EQ(m_mgr->ItemIndex(), 1);
    EXPECT_EQ(m_form->button->text(), QStringLiteral("Valider"));

    m_check->setChecked(false);
    EXPECT_EQ(Lan(), QStringLiteral("0"));
    EXPECT_EQ(m_mgr->ItemIndex(), 0);  // the language named English
    EXPECT_EQ(m_form->button->text(), QStringLiteral("OK"));
    EXPECT_EQ(m_log, (QStringList{"rebuild", "reset", "rebuild", "reset"}));
}

TEST_F(LanguageChoiceBinderTest, ChoosingInTheDropDownTicksTheOption)
{
    Make();

    m_combo->setCurrentIndex(1);
    emit m_combo->activated(1);

    EXPECT_TRUE(m_check->isChecked());
    EXPECT_EQ(Lan(), QStringLiteral("1"));
    EXPECT_EQ(m_mgr->ItemIndex(), 1);
    EXPECT_EQ(m_log.mid(m_log.size() - 2), (QStringList{"rebuild", "reset"}));
}

TEST_F(LanguageChoiceBinderTest, FailedWriteIsShownAndTheLanguageStillChanges)
{
    Make();
    m_failWrites = true;
    m_combo->setCurrentIndex(1);

    m_check->setChecked(true);

    EXPECT_EQ(m_log.first(), QStringLiteral("error Unable to write to /data/wake.ini"));
    EXPECT_EQ(m_mgr->ItemIndex(), 1);
}

TEST_F(LanguageChoiceBinderTest, StartupOptionOnSelectsTheDropDownsLanguageAfterTimer3)
{
    m_settings["Lan/Lan"] = "1";
    Make();  // nothing current: the drop-down shows the first language

    m_binder->ScheduleStartupOption();
    EXPECT_TRUE(m_log.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_log.contains(QStringLiteral("ready")); }, 5000));

    EXPECT_TRUE(m_check->isChecked());
    EXPECT_EQ(m_mgr->ItemIndex(), 0);
    EXPECT_EQ(m_log, (QStringList{"rebuild", "reset", "ready"}));
    EXPECT_EQ(m_binder->findChild<QTimer*>(QStringLiteral("Timer3")), nullptr);  // fired once, gone
}

TEST_F(LanguageChoiceBinderTest, StartupOptionOffOnlyMarksTheOptionsReady)
{
    m_settings["Lan/Lan"] = "yes";  // anything but "1" is off
    Make(QStringLiteral("FRA"));

    m_binder->ApplyStartupOption();

    EXPECT_FALSE(m_check->isChecked());
    EXPECT_EQ(m_mgr->ItemIndex(), 1);
    EXPECT_EQ(m_log, (QStringList{"ready"}));
    EXPECT_EQ(Lan(), QStringLiteral("yes"));
}

TEST_F(LanguageChoiceBinderTest, DropDownSitsJustRightOfItsSizedCheckBox)
{
    Make();
    m_check->setGeometry(10, 20, 400, 20);
    m_combo->move(0, 20);

    m_binder->PlaceControls();

    EXPECT_EQ(m_check->width(), m_check->sizeHint().width());
    EXPECT_EQ(m_combo->x(), 10 + m_check->width() + 2);
    EXPECT_EQ(m_combo->y(), 20);
}

TEST_F(LanguageChoiceBinderTest, RebuildingReplacesTheMenuItems)
{
    Make();
    m_binder->Build();

    EXPECT_EQ(m_menu->actions().size(), 3);
    EXPECT_EQ(m_combo->count(), 3);
}

}  // namespace
}  // namespace quorvel
