#include "ui/lang/lang_form.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QPixmap>
#include <QSignalSpy>
#include <memory>

#include "lang_test_support.h"
#include "ui/lang/lang_component_texts.h"
#include "ui/lang/lang_mgr.h"

namespace quorvel {
namespace {

using testing_support::LangFolder;
using testing_support::TOtherForm;
using testing_support::TTestForm;

class LangFormTest : public testing::Test {
protected:
    void SetUp() override { testing_support::EnsureLangTestApplication(); }

    // One language file Quorvel.AAA made current from the start.
    std::unique_ptr<TLangMgr> Manager(const std::string& contents)
    {
        m_folder.Write("Quorvel.AAA", contents);
        return std::make_unique<TLangMgr>(m_folder.Config(QStringLiteral("AAA")));
    }

    LangFolder m_folder;
};

TEST_F(LangFormTest, AppliesCaptionTextAndHintToEveryKindOfComponent)
{
    const auto mgr = Manager(
        "[General]\r\nLanguage=A\r\n"
        "[ttestform]\r\n"  // the section and the keys match without regard to case
        "caption = Fenster \r\n"
        "Button1.Caption=Weiter\r\nButton1.Hint=Bestätigt\r\n"
        "Label1.Caption=Name:\r\nCheckBox1.Caption=Aktiv\r\nCheckBox1.Hint=Schaltet ein\r\n"
        "Edit1.Text=getippt\r\nGroupBox1.Caption=Optionen\r\n"
        "TabSheet1.Caption=\"  Geplante Aufgaben  \"\r\n"
        "File1.Caption=Datei\r\nOpen1.Caption=Öffnen\r\nOpen1.Hint=Öffnet eine Datei\r\n");
    TTestForm form(*mgr);

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Fenster"));
    EXPECT_EQ(form.button->text(), QStringLiteral("Weiter"));
    EXPECT_EQ(form.button->toolTip(), QStringLiteral("Bestätigt"));
    EXPECT_EQ(form.check->text(), QStringLiteral("Aktiv"));
    EXPECT_EQ(form.check->toolTip(), QStringLiteral("Schaltet ein"));
    EXPECT_EQ(form.edit->text(), QStringLiteral("getippt"));
    EXPECT_EQ(form.group->title(), QStringLiteral("Optionen"));
    EXPECT_EQ(form.tabs->tabText(0), QStringLiteral("  Geplante Aufgaben  "));
    EXPECT_EQ(form.menu->title(), QStringLiteral("Datei"));
    EXPECT_EQ(form.item->text(), QStringLiteral("Öffnen"));
    EXPECT_EQ(form.item->toolTip(), QStringLiteral("Öffnet eine Datei"));
}

TEST_F(LangFormTest, NeverLooksUpADashAndBlanksOnEmptyValue)
{
    const auto mgr = Manager(
        "[General]\r\nLanguage=A\r\n[TTestForm]\r\nN1.Caption=Not a separator\r\nButton1.Caption=\r\n"
        "Label1.Caption=   \r\n");
    TTestForm form(*mgr);

    EXPECT_EQ(form.dash->text(), QStringLiteral("-"));
    EXPECT_EQ(form.button->text(), QString());
    EXPECT_EQ(form.label->text(), QString());
}

TEST_F(LangFormTest, LeavesPicturesAndUnnamedOrMarkedComponentsAlone)
{
    const auto mgr = Manager(
        "[General]\r\nLanguage=A\r\n[TTestForm]\r\nImage1.Caption=Bild\r\nKeep1.Caption=Nein\r\n"
        ".Caption=Nameless\r\n");
    TTestForm form(*mgr);
    auto* image = new QLabel(&form);
    image->setObjectName(QStringLiteral("Image1"));
    QPixmap picture(4, 4);
    picture.fill(Qt::red);
    image->setPixmap(picture);
    auto* kept = new QPushButton(QStringLiteral("Deutsch"), &form);
    kept->setObjectName(QStringLiteral("Keep1"));
    kept->setProperty(kLangKeepTextsProperty, true);
    auto* nameless = new QPushButton(QStringLiteral("Nameless button"), &form);

    form.LanguageChanged();

    EXPECT_FALSE(image->pixmap().isNull());
    EXPECT_EQ(image->text(), QString());
    EXPECT_EQ(kept->text(), QStringLiteral("Deutsch"));
    EXPECT_EQ(nameless->text(), QStringLiteral("Nameless button"));
}

TEST_F(LangFormTest, KeyMissingFromTheNewLanguageKeepsThePreviousLanguagesText)
{
    m_folder.Write("Quorvel.AAA",
                   "[General]\r\nLanguage=A\r\n[TTestForm]\r\nButton1.Caption=A-ok\r\n"
                   "Label1.Caption=A-name\r\n");
    m_folder.Write("Quorvel.BBB", "[General]\r\nLanguage=B\r\n[TTestForm]\r\nButton1.Caption=B-ok\r\n");
    TLangMgr mgr(m_folder.Config(QStringLiteral("AAA")));
    TTestForm form(mgr);
    ASSERT_EQ(form.label->text(), QStringLiteral("A-name"));

    mgr.SelectLanguage(1);

    EXPECT_EQ(form.button->text(), QStringLiteral("B-ok"));
    EXPECT_EQ(form.label->text(), QStringLiteral("A-name"));
    EXPECT_EQ(form.LangStr(QStringLiteral("Label1.Caption"), QStringLiteral("default")),
              QStringLiteral("default"));
}

TEST_F(LangFormTest, WindowsOfTheirOwnInsideAWindowKeepTheirOwnSection)
{
    const auto mgr = Manager(
        "[General]\r\nLanguage=A\r\n[TTestForm]\r\nButton1.Caption=From TTestForm\r\n"
        "[TOtherForm]\r\nButton1.Caption=From TOtherForm\r\n");
    TTestForm form(*mgr);
    auto* dialog = new TOtherForm(*mgr, &form);
    auto* plainDialog = new QWidget(&form, Qt::Dialog);
    auto* plainButton = new QPushButton(QStringLiteral("OK"), plainDialog);
    plainButton->setObjectName(QStringLiteral("Button1"));

    form.LanguageChanged();

    EXPECT_EQ(form.button->text(), QStringLiteral("From TTestForm"));
    EXPECT_EQ(dialog->button->text(), QStringLiteral("From TOtherForm"));
    EXPECT_EQ(plainButton->text(), QStringLiteral("OK"));
}

TEST_F(LangFormTest, AppliesFontNameAndSizeWhereChildrenFollowTheWindow)
{
    const auto mgr = Manager("[General]\r\nLanguage=A\r\nFontName=DejaVu Serif\r\nFontSize=0xE\r\n");
    auto form = std::make_unique<TTestForm>(*mgr);

    EXPECT_EQ(form->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(form->font().pointSize(), 14);
    EXPECT_EQ(form->button->font().pointSize(), 14);

    // A control with a font of its own keeps it; an unreadable or absurd size changes nothing.
    m_folder.Write("Quorvel.AAA", "[General]\r\nLanguage=A\r\nFontSize=12pt\r\n");
    QFont own = form->label->font();
    own.setPointSize(30);
    form->label->setFont(own);
    form->LanguageChanged();
    EXPECT_EQ(form->font().pointSize(), 14);
    EXPECT_EQ(form->label->font().pointSize(), 30);
    m_folder.Write("Quorvel.AAA", "[General]\r\nLanguage=A\r\nFontSize=100000\r\n");
    form->LanguageChanged();
    EXPECT_EQ(form->font().pointSize(), 14);
}

TEST_F(LangFormTest, PaintingIsSuspendedForThePassAndRestoredAfter)
{
    const auto mgr = Manager("[General]\r\nLanguage=A\r\n[TTestForm]\r\nOpen1.Caption=Öffnen\r\n");
    TTestForm form(*mgr);
    form.item->setText(QStringLiteral("Open"));
    bool paintingDuringPass = true;
    QObject::connect(form.item, &QAction::changed, [&] { paintingDuringPass = form.updatesEnabled(); });

    form.LanguageChanged();

    EXPECT_EQ(form.item->text(), QStringLiteral("Öffnen"));
    EXPECT_FALSE(paintingDuringPass);
    EXPECT_TRUE(form.updatesEnabled());

    // A window that had painting off already keeps it off.
    form.setUpdatesEnabled(false);
    form.LanguageChanged();
    EXPECT_FALSE(form.updatesEnabled());
}

TEST_F(LangFormTest, FileGoneSinceStartKeepsTextsAndGivesDefaults)
{
    const auto mgr =
        Manager("[General]\r\nLanguage=A\r\n[TTestForm]\r\nButton1.Caption=Weiter\r\nNoTask=Nichts\r\n");
    TTestForm form(*mgr);
    m_folder.Remove("Quorvel.AAA");

    form.LanguageChanged();

    EXPECT_EQ(form.button->text(), QStringLiteral("Weiter"));
    EXPECT_EQ(form.LangStr(QStringLiteral("NoTask"), QStringLiteral("No Task.")), QStringLiteral("No Task."));
}

TEST_F(LangFormTest, WithoutALanguageEveryLookupGivesItsDefault)
{
    TLangMgr mgr(m_folder.Config());
    TTestForm form(mgr);

    EXPECT_EQ(form.button->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.LangStr(QStringLiteral("NoTask"), QStringLiteral("No Task.")), QStringLiteral("No Task."));
    EXPECT_EQ(form.LangFmt(QStringLiteral("Left"), QStringLiteral("%d left"), {5}), QStringLiteral("5 left"));
    EXPECT_EQ(form.Lookup().Str("Mon", "Mon"), "Mon");
}

TEST_F(LangFormTest, LangFmtNeverFormatsWithMismatchedDirectives)
{
    const auto mgr = Manager(
        "[General]\r\nLanguage=A\r\n[TTestForm]\r\nLeft=Noch %d Sekunden\r\nBad=Noch %d Sekunden für %s\r\n"
        "Hostile=%s%s%s%s%n%n\r\nWide=[%99999999d]\r\n");
    TTestForm form(*mgr);

    EXPECT_EQ(form.LangFmt(QStringLiteral("Left"), QStringLiteral("%d secs"), {10}),
              QStringLiteral("Noch 10 Sekunden"));
    EXPECT_EQ(form.LangFmt(QStringLiteral("Left"), QStringLiteral("%s secs"), {QStringLiteral("ten")}),
              QStringLiteral("Noch %d Sekunden"));
    EXPECT_EQ(form.LangFmt(QStringLiteral("Bad"), QStringLiteral("%d secs"), {10}),
              QStringLiteral("Noch %d Sekunden für %s"));
    EXPECT_EQ(form.LangFmt(QStringLiteral("Hostile"), QStringLiteral("%s"), {QStringLiteral("x")}),
              QStringLiteral("%s%s%s%s%n%n"));
    EXPECT_EQ(form.LangFmt(QStringLiteral("Wide"), QStringLiteral("%d"), {1}),
              QStringLiteral("[%99999999d]"));
    EXPECT_EQ(form.LangFmt(QStringLiteral("Left"), QStringLiteral("%d"), {1.5}),
              QStringLiteral("Noch %d Sekunden"));
}

struct DecodeCase {
    const char* name;
    std::string file;
    QString expected;
};

class LangFileDecodingTest : public LangFormTest, public testing::WithParamInterface<DecodeCase> {};

TEST_P(LangFileDecodingTest, DecodesValuesInTheFilesCodePage)
{
    const auto mgr = Manager(GetParam().file);
    TTestForm form(*mgr);

    EXPECT_EQ(form.button->text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LangFileDecodingTest,
    testing::Values(
        DecodeCase{"Gbk", "[General]\r\nCharset=134\r\n[TTestForm]\r\nButton1.Caption=\xC8\xB7\xB6\xA8\r\n",
                   QStringLiteral("确定")},
        DecodeCase{"Big5", "[General]\r\nCharset=136\r\n[TTestForm]\r\nButton1.Caption=\xBD\x54\xA9\x77\r\n",
                   QStringLiteral("確定")},
        DecodeCase{"ShiftJis",
                   "[General]\r\nCharset=128\r\n[TTestForm]\r\nButton1.Caption=\x8A\x6D\x92\xE8\r\n",
                   QStringLiteral("確定")},
        DecodeCase{"Windows1251",
                   "[General]\r\nCharset=204\r\n[TTestForm]\r\nButton1.Caption="
                   "\xCF\xF0\xE8\xEC\xE5\xED\xE8\xF2\xFC\r\n",
                   QStringLiteral("Применить")},
        DecodeCase{"Windows1250",
                   "[General]\r\nCharset=0xEE\r\n[TTestForm]\r\nButton1.Caption=Pou\x9E\xEDt\r\n",
                   QStringLiteral("Použít")},
        DecodeCase{"Windows1252ByDefault",
                   "[General]\r\nLanguage=X\r\n[TTestForm]\r\nButton1.Caption=Gr\xF6\xDF"
                   "e\r\n",
                   QStringLiteral("Größe")},
        DecodeCase{"UnreadableCharsetIsWindows1252",
                   "[General]\r\nCharset=chinese\r\n[TTestForm]\r\nButton1.Caption=Gr\xF6\xDF"
                   "e\r\n",
                   QStringLiteral("Größe")},
        DecodeCase{"Utf8WithMarkWhateverTheCharset",
                   "\xEF\xBB\xBF[General]\r\nCharset=134\r\n[TTestForm]\r\nButton1.Caption=Gr\xC3\xB6\xC3\x9F"
                   "e\r\n",
                   QStringLiteral("Größe")},
        // Bytes the code page leaves undefined show as replacement marks; the rest still reads.
        DecodeCase{"UndefinedBytes",
                   "[General]\r\nCharset=0\r\n[TTestForm]\r\nButton1.Caption=a\x81z\xFC\r\n",
                   QStringLiteral("a\uFFFDzü")},
        DecodeCase{"CutShortDoubleByte",
                   "[General]\r\nCharset=134\r\n[TTestForm]\r\nButton1.Caption=\xC8\xB7\xB6\r\n",
                   QStringLiteral("确\uFFFD")}),
    testing_support::LangCaseName());

}  // namespace
}  // namespace quorvel
