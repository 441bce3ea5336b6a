#include "ui/lang/lang_mgr.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStringList>
#include <memory>

#include "core/settings/profile_file.h"
#include "lang_test_support.h"
#include "platform/ini_lang_manager_store.h"
#include "platform/recording/recording_lang_manager_store.h"
#include "ui/lang/lang_file.h"

namespace quorvel {
namespace {

using testing_support::LangFolder;
using testing_support::TTestForm;

const std::string kFrench =
    "[General]\r\nLanguage=Fran\xE7"
    "ais\r\nCharset=0\r\n[TTestForm]\r\nCaption=Fen\xEAtre de test\r\n"
    "Button1.Caption=Valider\r\n";
const std::string kGerman = "[general]\r\nlanguage=Deutsch\r\n[ttestform]\r\nbutton1.caption=Weiter\r\n";

QStringList Names(const TLangMgr& mgr)
{
    QStringList names{QStringLiteral("stale entry")};
    mgr.ListLanguages(names);
    return names;
}

QString StoredChoice(const LangFolder& folder)
{
    const ProfileFile store(folder.StoreFile().toStdString());
    return QString::fromStdString(store.ReadString("LangManager", "Quorvel.exe", "<none>"));
}

class LangMgrTest : public testing::Test {
protected:
    void SetUp() override { testing_support::EnsureLangTestApplication(); }
    LangFolder m_folder;
};

TEST_F(LangMgrTest, ListsOnlyFilesWithKeysInGeneralSortedByName)
{
    m_folder.Write("Quorvel.exe", std::string("\x7F"
                                              "ELF\0\0binary",
                                              12));
    m_folder.Write("Quorvel.FRA", kFrench);
    m_folder.Write("Quorvel.txt", "Notes without any section\r\nLanguage=Nope\r\n");
    m_folder.Write("Quorvel.emp", "[General]\r\n\r\n[TTestForm]\r\nCaption=Empty general\r\n");
    m_folder.Write("Quorvel.nol", "[General]\r\nCharset=0\r\n");
    m_folder.Write("quorvel.deu", kGerman);  // the stem in any case
    m_folder.Write("Other.ITA", "[General]\r\nLanguage=Italiano\r\n");
    QDir(m_folder.Path()).mkdir(QStringLiteral("Quorvel.dir"));

    TLangMgr mgr(m_folder.Config());

    EXPECT_EQ(Names(mgr), (QStringList{"Deutsch", "Français", "<Unknown>"}));
    ASSERT_EQ(mgr.Items().size(), 3);
    EXPECT_EQ(mgr.Items()[0].FileName, m_folder.File("quorvel.deu"));
    EXPECT_EQ(mgr.Items()[1].FileName, m_folder.File("Quorvel.FRA"));
    EXPECT_EQ(mgr.ItemIndex(), -1);
    EXPECT_EQ(mgr.CurrentFile(), QString());
}

TEST_F(LangMgrTest, EarlierFolderHidesAFileOfTheSameNameInALaterOne)
{
    LangFolder installed;
    m_folder.Write("Quorvel.DEU", kGerman);
    installed.Write("Quorvel.deu", "[General]\r\nLanguage=Installed German\r\n");
    installed.Write("Quorvel.FRA", kFrench);

    TLangMgr mgr(LangMgrConfig{{m_folder.Path(), installed.Path()}, m_folder.StoreFile(), QString()});

    EXPECT_EQ(Names(mgr), (QStringList{"Deutsch", "Français"}));
    EXPECT_EQ(mgr.Items()[1].FileName, installed.File("Quorvel.FRA"));
}

TEST_F(LangMgrTest, LeavesOutFilesTooLargeToBeLanguageFiles)
{
    std::string huge = "[General]\r\nLanguage=Huge\r\n";
    huge.resize(LangFile::kMaxFileSize + 1, ' ');
    m_folder.Write("Quorvel.BIG", huge);

    TLangMgr mgr(m_folder.Config());

    EXPECT_TRUE(mgr.Items().isEmpty());
}

struct InitialCase {
    const char* name;
    const char* stored;  // nullptr: no store file
    const char* locale;
    int expectedIndex;  // in the list Quorvel.DEU, Quorvel.fra
};

class InitialLanguageTest : public LangMgrTest, public testing::WithParamInterface<InitialCase> {};

TEST_P(InitialLanguageTest, PicksStoredChoiceElseLocale)
{
    const InitialCase& c = GetParam();
    m_folder.Write("Quorvel.DEU", kGerman);
    m_folder.Write("Quorvel.fra", kFrench);
    if (c.stored != nullptr) {
        QDir().mkpath(m_folder.File("store"));
        m_folder.Write("store/LangManager.ini",
                       std::string("[LangManager]\r\nQuorvel.exe=") + c.stored + "\r\n");
    }

    TLangMgr mgr(m_folder.Config(QString::fromLatin1(c.locale)));

    EXPECT_EQ(mgr.ItemIndex(), c.expectedIndex);
}

INSTANTIATE_TEST_SUITE_P(Table, InitialLanguageTest,
                         testing::Values(InitialCase{"LocaleMatchesWithoutRegardToCase", nullptr, "FRA", 1},
                                         InitialCase{"StoredChoiceWinsOverLocale", ".deu", "FRA", 0},
                                         InitialCase{"StoredChoiceWithoutFileGivesEnglish", ".ITA", "FRA",
                                                     -1},
                                         InitialCase{"EmptyStoredValueFallsBackToLocale", "", "DEU", 0},
                                         InitialCase{"UnknownLocaleGivesEnglish", nullptr, "ENU", -1},
                                         InitialCase{"NoLocaleGivesEnglish", nullptr, "", -1}),
                         testing_support::LangCaseName());

TEST_F(LangMgrTest, SelectingStoresTheExtensionAndTellsWindowsInOrder)
{
    m_folder.Write("Quorvel.DEU", kGerman);
    m_folder.Write("Quorvel.FRA", kFrench);
    TLangMgr mgr(m_folder.Config());
    TTestForm first(mgr);
    TTestForm second(mgr);
    QStringList told;
    for (auto* form : {&first, &second}) {
        QObject::connect(form, &QWidget::windowTitleChanged, [&told, form, &first](const QString&) {
            told << (form == &first ? QStringLiteral("first") : QStringLiteral("second"));
        });
    }

    mgr.SelectLanguage(1);

    EXPECT_EQ(mgr.ItemIndex(), 1);
    EXPECT_EQ(mgr.CurrentFile(), m_folder.File("Quorvel.FRA"));
    EXPECT_EQ(StoredChoice(m_folder), QStringLiteral(".FRA"));
    EXPECT_EQ(told, (QStringList{"first", "second"}));
    EXPECT_EQ(second.button->text(), QStringLiteral("Valider"));
}

TEST_F(LangMgrTest, IndexOutsideTheListStoresNothingButReappliesTheLanguage)
{
    m_folder.Write("Quorvel.FRA", kFrench);
    TLangMgr mgr(m_folder.Config(QStringLiteral("FRA")));
    TTestForm form(mgr);
    ASSERT_EQ(form.button->text(), QStringLiteral("Valider"));
    form.button->setText(QStringLiteral("changed by code"));

    for (const int index : {-1, 1, 99}) {
        mgr.SelectLanguage(index);
        EXPECT_EQ(mgr.ItemIndex(), 0);
        EXPECT_EQ(form.button->text(), QStringLiteral("Valider")) << index;
    }
    EXPECT_FALSE(QFile::exists(m_folder.StoreFile()));
}

TEST_F(LangMgrTest, UnwritableStoreStillChangesTheLanguage)
{
    m_folder.Write("Quorvel.FRA", kFrench);
    m_folder.Write("store", "a file where the store's folder should be");
    TLangMgr mgr(m_folder.Config());
    TTestForm form(mgr);

    testing::internal::CaptureStderr();
    mgr.SelectLanguage(0);
    const std::string logged = testing::internal::GetCapturedStderr();

    EXPECT_EQ(form.button->text(), QStringLiteral("Valider"));
    EXPECT_NE(logged.find("Unable to write to"), std::string::npos) << logged;
}

TEST_F(LangMgrTest, ManagerGoingFirstReportsAndLeavesTheWindowUsable)
{
    m_folder.Write("Quorvel.FRA", kFrench);
    auto mgr = std::make_unique<TLangMgr>(m_folder.Config(QStringLiteral("FRA")));
    TTestForm form(*mgr);

    testing::internal::CaptureStderr();
    mgr.reset();
    const std::string logged = testing::internal::GetCapturedStderr();

    EXPECT_EQ(logged, "unsafe free of Language Manager!\n");
    EXPECT_EQ(form.button->text(), QStringLiteral("Valider"));
    EXPECT_EQ(form.LangStr(QStringLiteral("Caption"), QStringLiteral("x")),
              QStringLiteral("Fenêtre de test"));
    form.LanguageChanged();  // no manager to ask: the texts stay
    EXPECT_EQ(form.button->text(), QStringLiteral("Valider"));
    // The form's destructor must not reach the manager that is gone.
}

TEST_F(LangMgrTest, ManagerWithoutWindowsGoesQuietly)
{
    auto mgr = std::make_unique<TLangMgr>(m_folder.Config());
    {
        TTestForm form(*mgr);
    }
    testing::internal::CaptureStderr();
    mgr.reset();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(LangMgrTest, LangFileStrReadsTheStoredLanguage)
{
    m_folder.Write("Quorvel.FRA", kFrench + "[WakeDll]\r\nMessage=Veille profonde\r\n");
    m_folder.Write("Quorvel.DEU", kGerman + "[WakeDll]\r\nMessage=Tiefschlaf\r\n");
    TLangMgr mgr(m_folder.Config(QStringLiteral("DEU")));
    const auto message = [&] {
        return mgr.LangFileStr(QStringLiteral("WakeDll"), QStringLiteral("Message"),
                               QStringLiteral("Deep sleep"));
    };

    EXPECT_EQ(message(), QStringLiteral("Tiefschlaf"));  // nothing stored: the locale's file
    mgr.SelectLanguage(1);
    EXPECT_EQ(message(), QStringLiteral("Veille profonde"));
    EXPECT_EQ(
        mgr.LangFileStr(QStringLiteral("WakeDll"), QStringLiteral("Missing"), QStringLiteral("default")),
        QStringLiteral("default"));
    m_folder.Remove("Quorvel.FRA");
    EXPECT_EQ(message(), QStringLiteral("Deep sleep"));
}

TEST_F(LangMgrTest, LangFileStrFallsBackToTheStoredProgramFolder)
{
    LangFolder programFolder;
    programFolder.Write("Quorvel.ITA", "[General]\r\nLanguage=Italiano\r\n[WakeDll]\r\nMessage=Sonno\r\n");
    QDir().mkpath(m_folder.File("store"));
    IniLangManagerStore(m_folder.StoreFile().toStdString())
        .SetProgramFolder(programFolder.Path().toStdString());
    TLangMgr mgr(m_folder.Config(QStringLiteral("ITA")));  // finds no file of its own

    EXPECT_EQ(mgr.LangFileStr(QStringLiteral("wakedll"), QStringLiteral("message"), QStringLiteral("Sleep")),
              QStringLiteral("Sonno"));
}

TEST_F(LangMgrTest, KeepsTheChoiceInTheStoreItIsGiven)
{
    m_folder.Write("Quorvel.DEU", kGerman);
    m_folder.Write("Quorvel.FRA", kFrench);
    auto log = std::make_shared<RequestLog>([] { return LocalMoment{}; });
    auto store = std::make_shared<RecordingLangManagerStore>(log);
    store->PresetLanguageExtension(".fra");
    LangMgrConfig config = m_folder.Config(QStringLiteral("DEU"));
    config.store = store;

    TLangMgr mgr(config);
    ASSERT_EQ(mgr.ItemIndex(), 1);
    mgr.SelectLanguage(0);

    EXPECT_EQ(store->LanguageExtension(), ".DEU");
    EXPECT_EQ(log->Lines().size(), 1u);
    EXPECT_FALSE(QFile::exists(m_folder.StoreFile()));
}

}  // namespace
}  // namespace quorvel
