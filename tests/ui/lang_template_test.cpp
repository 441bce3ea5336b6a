#include "ui/lang/lang_template.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <memory>
#include <string>

#include "app/command_line.h"
#include "app/lang_template_command.h"
#include "app/lang_template_windows.h"
#include "core/settings/profile_document.h"
#include "core/text/ascii_case.h"
#include "core/text/lang_format.h"
#include "lang_key_scanner.h"
#include "lang_test_support.h"
#include "ui/lang/lang_component_texts.h"
#include "ui/lang/lang_file.h"
#include "ui/lang/lang_form.h"
#include "ui/lang/lang_message_catalog.h"
#include "ui/lang/lang_mgr.h"

namespace quorvel {
namespace {

using testing_support::LangFolder;
using testing_support::TTestForm;

QString SourcePath(const char* relative)
{
    return QStringLiteral(QUORVEL_SOURCE_DIR "/") + QString::fromLatin1(relative);
}

std::string ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

std::vector<std::string> Keys(const std::string& contents, const char* section)
{
    return ProfileDocument(contents).KeyNames(section);
}

std::string ShippedTemplate()
{
    QString error;
    const auto windows = LanguageTemplateWindows();
    return BuildLanguageTemplate(windows, LangMessageCatalog(), error);
}

class LangTemplateTest : public testing::Test {
protected:
    void SetUp() override { testing_support::EnsureLangTestApplication(); }
};

TEST_F(LangTemplateTest, HoldsEveryShownTextOfAWindowAndItsMessages)
{
    const LangTemplateWindowFactory windows[] = {
        [](TLangMgr& mgr) {
            auto form = std::make_unique<TTestForm>(mgr);
            form->item->setToolTip(QStringLiteral("Opens a file"));
            return form;
        },
    };
    const LangMessage messages[] = {
        {"TTestForm", "NoTask", "No Task."},
        {"ttestform", "Button1.Caption", "not the shown text"},  // the window's own text comes first
        {"WakeDll", "Message", "Sleep?"},
    };
    QString error;

    const std::string contents = BuildLanguageTemplate(windows, messages, error);

    ASSERT_FALSE(contents.empty()) << qPrintable(error);
    EXPECT_TRUE(contents.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(ProfileDocument(contents).SectionNames(),
              (std::vector<std::string>{"General", "TTestForm", "WakeDll"}));
    EXPECT_EQ(Keys(contents, "General"), (std::vector<std::string>{"Language", "Charset"}));
    // Creation order; no Text keys, no separator, no empty hints, no hint Qt derives from a caption.
    EXPECT_EQ(Keys(contents, "TTestForm"),
              (std::vector<std::string>{"Caption", "Button1.Caption", "Button1.Hint", "Label1.Caption",
                                        "CheckBox1.Caption", "GroupBox1.Caption", "TabSheet1.Caption",
                                        "File1.Caption", "Open1.Caption", "Open1.Hint", "NoTask"}));

    const auto file = LangFile::FromBytes(contents);
    EXPECT_EQ(file->Value("General", "Language"), QStringLiteral("English"));
    EXPECT_EQ(file->Value("TTestForm", "TabSheet1.Caption"), QStringLiteral("  Scheduled Tasks   "));
    EXPECT_EQ(file->Value("TTestForm", "Button1.Caption"), QStringLiteral("OK"));
    EXPECT_EQ(file->Value("WakeDll", "Message"), QStringLiteral("Sleep?"));
}

TEST_F(LangTemplateTest, RefusesATextThatALanguageFileCannotHold)
{
    const LangMessage messages[] = {{"TMainForm", "OnClose", "Quit?\r\nMinimize?"}};
    QString error;

    EXPECT_EQ(BuildLanguageTemplate({}, messages, error), "");
    EXPECT_TRUE(error.contains(QStringLiteral("OnClose"))) << qPrintable(error);
}

TEST_F(LangTemplateTest, CommandWritesTheTemplateAndExplainsFailures)
{
    CommandLine commandLine;
    ASSERT_EQ(commandLine.Parse({QStringLiteral("quorvel"), QStringLiteral("--write-language-template"),
                                 QStringLiteral("out.ENU")}),
              CommandLineAction::WriteLanguageTemplate);
    EXPECT_EQ(commandLine.Options().languageTemplateFile, QStringLiteral("out.ENU"));
    const char* argv[] = {"quorvel", "--write-language-template=x", nullptr};
    EXPECT_TRUE(CommandLine::AsksForLanguageTemplate(2, argv));
    const char* after[] = {"quorvel", "--", "--write-language-template", nullptr};
    EXPECT_FALSE(CommandLine::AsksForLanguageTemplate(3, after));

    LangFolder folder;
    QString messages;
    QTextStream err(&messages);
    EXPECT_EQ(WriteLanguageTemplateCommand(folder.File(QStringLiteral("Quorvel.ENU")), err), 0);
    EXPECT_EQ(ReadBytes(folder.File(QStringLiteral("Quorvel.ENU"))), ShippedTemplate());
    EXPECT_EQ(WriteLanguageTemplateCommand(folder.File(QStringLiteral("missing/Quorvel.ENU")), err), 1);
    EXPECT_TRUE(messages.startsWith(QStringLiteral("Quorvel: "))) << qPrintable(messages);
}

// The shipped English file is the template itself; regenerate it with
// quorvel --write-language-template lang/Quorvel.ENU when windows or messages change.
TEST_F(LangTemplateTest, ShippedEnglishFileIsTheCurrentTemplate)
{
    EXPECT_EQ(ReadBytes(SourcePath("lang/Quorvel.ENU")), ShippedTemplate());
}

TEST_F(LangTemplateTest, ShippedGermanFileTranslatesEveryKeyWithTheSameDirectives)
{
    const std::string english = ShippedTemplate();
    const std::string german = ReadBytes(SourcePath("lang/Quorvel.DEU"));
    ASSERT_FALSE(german.empty());
    const ProfileDocument englishDoc(english);
    const ProfileDocument germanDoc(german);
    const auto germanFile = LangFile::FromBytes(german);
    EXPECT_TRUE(germanFile->HasGeneralKeys());
    EXPECT_EQ(germanFile->Value("General", "Language"), QStringLiteral("Deutsch"));

    for (const std::string& section : englishDoc.SectionNames()) {
        for (const std::string& key : englishDoc.KeyNames(section)) {
            const auto translated = germanDoc.Value(section, key);
            ASSERT_TRUE(translated.has_value()) << "Quorvel.DEU lacks [" << section << "] " << key;
            EXPECT_EQ(LangFormatDirectives(*translated),
                      LangFormatDirectives(*englishDoc.Value(section, key)))
                << "[" << section << "] " << key;
        }
    }
}

TEST_F(LangTemplateTest, EveryWindowShowsTheShippedGermanTexts)
{
    TLangMgr german(LangMgrConfig{{SourcePath("lang")}, QString(), QStringLiteral("DEU")});
    ASSERT_EQ(german.CurrentFile(), SourcePath("lang/Quorvel.DEU"));
    const auto file = LangFile::Open(german.CurrentFile());
    int checked = 0;

    for (const auto& build : LanguageTemplateWindows()) {
        const std::unique_ptr<QWidget> window = build(german);
        const std::string section = dynamic_cast<TLangForm&>(*window).ClassName().toStdString();
        EXPECT_EQ(window->windowTitle(), file->Value(section, "Caption").value_or(window->windowTitle()));
        ForEachLangComponent(*window, [&](QObject& component) {
            for (const auto property : kLangProperties) {
                const std::string key =
                    component.objectName().toStdString() + "." + LangPropertyName(property);
                if (const auto text = file->Value(section, key)) {
                    EXPECT_EQ(ReadLangProperty(component, property), *text) << section << " " << key;
                    ++checked;
                }
            }
        });
    }
    EXPECT_GT(checked, 0);
}

TEST(LangKeyScanner, FindsLiteralLookupsInTheirUsualSpellings)
{
    const QString source = QStringLiteral(R"re(
        void TMainForm::DelBtnClick() {
            ask(LangStr(QStringLiteral("DelBtnClick"), QStringLiteral("Confirm delete?")));
            text = LangFmt("Left", "%d secs "
                                   "left", {n});
            day = lookup.Str("Mon", "Mon");
            prompt = mgr->LangFileStr(QStringLiteral("WakeDll"), QStringLiteral("Message"), u"Say \"yes\"");
            other = LangStr("Title", title);
        })re");

    const auto uses = testing_support::ScanLangKeyUses(source);

    ASSERT_EQ(uses.size(), 5u);
    EXPECT_EQ(uses[0].key, QStringLiteral("DelBtnClick"));
    EXPECT_EQ(uses[0].defaultText, QStringLiteral("Confirm delete?"));
    EXPECT_EQ(uses[1].defaultText, QStringLiteral("%d secs left"));
    EXPECT_EQ(uses[2].key, QStringLiteral("Title"));
    EXPECT_EQ(uses[2].defaultText, std::nullopt);
    EXPECT_EQ(uses[3].call, QStringLiteral("Str"));
    EXPECT_EQ(uses[4].section, QStringLiteral("WakeDll"));
    EXPECT_EQ(uses[4].defaultText, QStringLiteral("Say \"yes\""));
    EXPECT_EQ(testing_support::ClassesDefinedIn(source), (QSet<QString>{"TMainForm"}));
}

// Every key the code asks for by a literal is in the catalogue, so the template (and every
// translation made from it) holds it, with the default the code shows.
TEST_F(LangTemplateTest, EveryKeyTheCodeAsksForIsInTheCatalogue)
{
    // The catalogue's rows for `key` in any of `sections` (every section when that is empty).
    const auto rowsFor = [](const QSet<QString>& sections, const QString& key) {
        std::vector<const LangMessage*> rows;
        for (const LangMessage& m : LangMessageCatalog()) {
            const bool inSection =
                sections.isEmpty() || std::any_of(sections.begin(), sections.end(), [&](const QString& s) {
                    return EqualsIgnoreAsciiCase(m.section, s.toStdString());
                });
            if (inSection && EqualsIgnoreAsciiCase(m.key, key.toStdString())) {
                rows.push_back(&m);
            }
        }
        return rows;
    };

    QDirIterator files(SourcePath("src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    int uses = 0;
    while (files.hasNext()) {
        const QString path = files.next();
        if (path.contains(QStringLiteral("/src/ui/lang/"))) {
            continue;  // the lookups themselves
        }
        const QString source = QString::fromStdString(ReadBytes(path));
        // A window's code reads its own section; core code reads whichever section its caller gives.
        const QSet<QString> classes = testing_support::ClassesDefinedIn(source);
        for (const auto& use : testing_support::ScanLangKeyUses(source)) {
            ++uses;
            const QString where = path + QStringLiteral(": ") + use.call + QStringLiteral("(\"") + use.key +
                                  QStringLiteral("\")");
            const auto rows = rowsFor(
                use.call == QLatin1String("LangFileStr") ? QSet<QString>{use.section} : classes, use.key);
            if (rows.empty()) {
                ADD_FAILURE() << qPrintable(where) << " is missing from src/ui/lang/lang_message_catalog.cpp";
                continue;
            }
            if (use.defaultText && std::none_of(rows.begin(), rows.end(), [&](const LangMessage* m) {
                    return QString::fromUtf8(m->defaultText.data(), qsizetype(m->defaultText.size())) ==
                           *use.defaultText;
                })) {
                ADD_FAILURE() << qPrintable(where) << " has a default the catalogue does not: \""
                              << qPrintable(*use.defaultText) << "\"";
            }
        }
    }
    EXPECT_GT(uses, 0);
}

}  // namespace
}  // namespace quorvel
