#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/start_up.h"
#include "core/io/atomic_file.h"
#include "core/tasks/task_file.h"
#include "support/command_line_args.h"
#include "support/scoped_environment.h"

namespace quorvel {
namespace {

using test::Args;

struct ListParseCase {
    const char* name;
    QStringList arguments;
    CommandLineAction action;
    std::optional<LocalMoment> listAt;
    QString error;
};

void PrintTo(const ListParseCase& c, std::ostream* out)
{
    *out << c.name;
}

class ListParse : public testing::TestWithParam<ListParseCase> {};

TEST_P(ListParse, GivesTheActionMomentAndMessage)
{
    const ListParseCase& c = GetParam();
    CommandLine commandLine;
    EXPECT_EQ(commandLine.Parse(c.arguments), c.action);
    EXPECT_EQ(commandLine.Options().listAt, c.listAt);
    EXPECT_EQ(commandLine.ErrorText(), c.error);
}

const QString kBadNow = QStringLiteral(
    "Quorvel: --now needs a local date and time written as YYYY-MM-DD HH:MM:SS[.mmm], not '%1'.");

const ListParseCase kListParseCases[] = {
    {"ListAlone", Args({"--list"}), CommandLineAction::List, std::nullopt, {}},
    {"ListWithNow",
     Args({"--list", "--now", "2008-03-14 10:15:30"}),
     CommandLineAction::List,
     LocalMoment{{2008, 3, 14}, {10, 15, 30}, 0},
     {}},
    {"NowFirstWithMilliseconds",
     Args({"--now=2008-03-14 10:15:30.250", "--list", "--data-dir", "/d"}),
     CommandLineAction::List,
     LocalMoment{{2008, 3, 14}, {10, 15, 30}, 250},
     {}},
    {"NowWithoutList", Args({"--now", "2008-03-14 10:15:30"}), CommandLineAction::Fail, std::nullopt,
     "Quorvel: --now goes with --list only."},
    {"NowNotAMoment", Args({"--list", "--now", "tomorrow"}), CommandLineAction::Fail, std::nullopt,
     kBadNow.arg("tomorrow")},
    {"NowNoRealDate", Args({"--list", "--now", "2023-02-29 10:00:00"}), CommandLineAction::Fail, std::nullopt,
     kBadNow.arg("2023-02-29 10:00:00")},
    {"NowMissingValue", Args({"--list", "--now"}), CommandLineAction::Fail, std::nullopt,
     "Quorvel: Missing value after '--now'."},
    {"HelpBeforeList", Args({"--list", "--help"}), CommandLineAction::ShowHelp, std::nullopt, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ListParse, testing::ValuesIn(kListParseCases),
                         [](const testing::TestParamInfo<ListParseCase>& c) { return c.param.name; });

struct ListRun {
    StartUp startUp;
    QString out;
    QString err;
};

ListRun RunList(const QStringList& arguments)
{
    ListRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.startUp = PrepareStartUp(arguments, out, err, [] {
        return LocalMoment{Date{2008, 3, 16}, TimeOfDay{23, 0, 0}, 0};
    });
    return run;
}

// Every file and folder below `dir`, to see that a listing changed nothing.
QStringList Contents(const QString& dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << info.filePath() + ' ' + QString::number(info.size()) + ' ' +
                       QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

// A language store of its own and an English locale, so the texts are the built-in ones unless
// a test chooses a language.
class ListCommand : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_root.isValid()); }

    QString ConfigDir() const { return m_root.filePath(QStringLiteral("config")); }

    QString DataDir() const { return m_root.filePath(QStringLiteral("data")); }

    void WriteTasks(const std::vector<std::string>& lines)
    {
        ASSERT_TRUE(QDir().mkpath(DataDir()));
        ASSERT_EQ(SaveTaskFile(DataDir().toStdString(), lines), "");
    }

    QTemporaryDir m_root;
    test::ScopedEnvironment m_environment{{"XDG_CONFIG_HOME", ConfigDir().toLocal8Bit()},
                                          {"LC_ALL", QByteArray("C")},
                                          {"LC_MESSAGES", std::nullopt},
                                          {"LANG", std::nullopt}};
};

TEST_F(ListCommand, PrintsOneLinePerTaskAtTheGivenMomentAndWritesNothing)
{
    WriteTasks({"22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown",
                "07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on",
                "06:00:00*Disabled*l1-EveryDay*********Shutdown*30*************Caf\xe9"});
    const QStringList before = Contents(m_root.path());
    const ListRun run =
        RunList(Args({"--list", "--now", "2008-03-14 23:00:00.000"}) << "--data-dir" << DataDir());
    EXPECT_FALSE(run.startUp.proceed);
    EXPECT_EQ(run.startUp.exitCode, 0);
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(run.out,
              QStringLiteral("2008-3-15\tWaiting\t Waiting ---- Mar 15,  2008 ---- 07:00:00 ---- Power on\n"
                             "2008-3-15\tWaiting\t Waiting ---- Daily ---- 22:30:00 ---- Night shutdown\n"
                             "\tDisabled\t Waiting ---- Daily ---- 06:00:00 ---- Café\n"));
    EXPECT_EQ(Contents(m_root.path()), before);
}

TEST_F(ListCommand, SpeaksTheLanguageTheProgramWouldStartIn)
{
    WriteTasks({"22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown",
                "07:00:00*Enabled*l2-2008-3-15********************Power-on***"});
    ASSERT_TRUE(QDir().mkpath(ConfigDir() + QStringLiteral("/Brenholt")));
    ASSERT_EQ(WriteFileAtomically((ConfigDir() + QStringLiteral("/Brenholt/LangManager.ini")).toStdString(),
                                  "[LangManager]\nQuorvel.exe=.DEU\nQuorvel=" QUORVEL_SOURCE_DIR "/lang\n"),
              "");
    const QStringList before = Contents(m_root.path());
    const ListRun run =
        RunList(Args({"--list", "--now", "2008-03-16 12:00:00"}) << "--data-dir" << DataDir());
    EXPECT_EQ(run.startUp.exitCode, 0);
    // The status column stays in English: it is the stored keyword, not a shown text.
    EXPECT_EQ(run.out, QString::fromUtf8(
                           "2008-3-16\tWaiting\t Wartet ---- Täglich ---- 22:30:00 ---- Night shutdown\n"
                           "2008-3-15\tPassed\t Vorbei ---- Mär 15,  2008 ---- 07:00:00 ---- Ohne Titel\n"));
    EXPECT_EQ(Contents(m_root.path()), before);
}

TEST_F(ListCommand, DatesAtTheClockWithoutNow)
{
    WriteTasks({"07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on"});
    const ListRun run = RunList(Args({"--list"}) << "--data-dir" << DataDir());
    EXPECT_EQ(run.startUp.exitCode, 0);
    EXPECT_EQ(run.out,
              QStringLiteral("2008-3-15\tPassed\t Passed ---- Mar 15,  2008 ---- 07:00:00 ---- Power on\n"));
}

TEST_F(ListCommand, NoDataFolderPrintsNothingAndCreatesNothing)
{
    const ListRun run = RunList(Args({"--list"}) << "--data-dir" << DataDir());
    EXPECT_EQ(run.startUp.exitCode, 0);
    EXPECT_EQ(run.out, QString());
    EXPECT_FALSE(QFileInfo::exists(DataDir()));
}

TEST_F(ListCommand, EmptyTaskFilePrintsNothing)
{
    WriteTasks({});
    const ListRun run = RunList(Args({"--list"}) << "--data-dir" << DataDir());
    EXPECT_EQ(run.startUp.exitCode, 0);
    EXPECT_EQ(run.out, QString());
}

TEST_F(ListCommand, UnreadableTaskFileIsAnError)
{
    // A folder where the file should be opens, but cannot be read.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(TaskFilePath(DataDir().toStdString()))));
    const ListRun run = RunList(Args({"--list"}) << "--data-dir" << DataDir());
    EXPECT_EQ(run.startUp.exitCode, 1);
    EXPECT_EQ(run.out, QString());
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Quorvel: cannot read ") + DataDir()))
        << run.err.toStdString();
}

TEST_F(ListCommand, BadNowEndsWithCodeOneBeforeReadingAnything)
{
    const ListRun run = RunList(Args({"--list", "--now", "2008-03-14"}) << "--data-dir" << DataDir());
    EXPECT_FALSE(run.startUp.proceed);
    EXPECT_EQ(run.startUp.exitCode, 1);
    EXPECT_EQ(run.err, kBadNow.arg("2008-03-14") + '\n');
    EXPECT_EQ(run.out, QString());
}

}  // namespace
}  // namespace quorvel
