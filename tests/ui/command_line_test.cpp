#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "app/data_dir.h"
#include "app/start_up.h"
#include "core/io/atomic_file.h"
#include "support/command_line_args.h"
#include "support/scoped_environment.h"

namespace quorvel {
namespace {

using test::Args;

// Command lines that start the program.
struct RunCase {
    const char* name;
    QStringList arguments;
    bool dryRun;
    QString dryRunFile;
    QString dataDir;
};

void PrintTo(const RunCase& c, std::ostream* out)
{
    *out << c.name;
}

class CommandLineRun : public testing::TestWithParam<RunCase> {};

TEST_P(CommandLineRun, GivesTheOptions)
{
    const RunCase& c = GetParam();
    CommandLine commandLine;
    ASSERT_EQ(commandLine.Parse(c.arguments), CommandLineAction::Run)
        << commandLine.ErrorText().toStdString();
    EXPECT_EQ(commandLine.Options().dryRun, c.dryRun);
    EXPECT_EQ(commandLine.Options().dryRunFile, c.dryRunFile);
    EXPECT_EQ(commandLine.Options().dataDir, c.dataDir);
}

const RunCase kRunCases[] = {
    {"Nothing", Args({}), false, {}, {}},
    {"DryRunToStandardError", Args({"--dry-run"}), true, {}, {}},
    {"DryRunToFile", Args({"--dry-run=/tmp/q.log"}), true, "/tmp/q.log", {}},
    {"DryRunFileWithBlanksAndEquals", Args({"--dry-run=/tmp/a b=c.log"}), true, "/tmp/a b=c.log", {}},
    {"LastDryRunFormWins", Args({"--dry-run=/tmp/q.log", "--dry-run"}), true, {}, {}},
    {"DataDir", Args({"--data-dir", "/srv/q/data"}), false, {}, "/srv/q/data"},
    {"DataDirWithEquals", Args({"--data-dir=/srv/q/data/"}), false, {}, "/srv/q/data"},
    {"DataDirAndDryRun", Args({"--data-dir", "/d", "--dry-run=/l"}), true, "/l", "/d"},
};

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineRun, testing::ValuesIn(kRunCases),
                         [](const testing::TestParamInfo<RunCase>& c) { return c.param.name; });

// Command lines that end the program at once.
struct StopCase {
    const char* name;
    QStringList arguments;
    CommandLineAction action;
    QString error;
};

void PrintTo(const StopCase& c, std::ostream* out)
{
    *out << c.name;
}

class CommandLineStop : public testing::TestWithParam<StopCase> {};

TEST_P(CommandLineStop, GivesTheActionAndMessage)
{
    const StopCase& c = GetParam();
    CommandLine commandLine;
    EXPECT_EQ(commandLine.Parse(c.arguments), c.action);
    EXPECT_EQ(commandLine.ErrorText(), c.error);
}

const StopCase kStopCases[] = {
    {"DryRunWithEmptyFile", Args({"--dry-run="}), CommandLineAction::Fail,
     "Quorvel: --dry-run= needs a file name."},
    {"DryRunFileAsNextArgumentIsNotTaken", Args({"--dry-run", "/tmp/q.log"}), CommandLineAction::Fail,
     "Quorvel: Unexpected argument '/tmp/q.log'."},
    {"DryRunAfterDoubleDashIsNoOption", Args({"--", "--dry-run=/tmp/q.log"}), CommandLineAction::Fail,
     "Quorvel: Unexpected argument '--dry-run=/tmp/q.log'."},
    {"DataDirMissingValue", Args({"--data-dir"}), CommandLineAction::Fail,
     "Quorvel: Missing value after '--data-dir'."},
    {"DataDirEmpty", Args({"--data-dir="}), CommandLineAction::Fail,
     "Quorvel: --data-dir needs a folder name."},
    {"UnknownOption", Args({"--frobnicate"}), CommandLineAction::Fail,
     "Quorvel: Unknown option 'frobnicate'."},
    {"Help", Args({"--help"}), CommandLineAction::ShowHelp, {}},
    {"ShortHelp", Args({"-h"}), CommandLineAction::ShowHelp, {}},
    {"Version", Args({"--version"}), CommandLineAction::ShowVersion, {}},
    {"VersionBeforeHelp", Args({"--help", "--version"}), CommandLineAction::ShowVersion, {}},
    {"ErrorBeforeHelp", Args({"--help", "--frobnicate"}), CommandLineAction::Fail,
     "Quorvel: Unknown option 'frobnicate'."},
};

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineStop, testing::ValuesIn(kStopCases),
                         [](const testing::TestParamInfo<StopCase>& c) { return c.param.name; });

TEST(CommandLine, RelativeDataDirIsTakenFromTheWorkingFolder)
{
    CommandLine commandLine;
    ASSERT_EQ(commandLine.Parse(Args({"--data-dir", "some/../data"})), CommandLineAction::Run);
    EXPECT_EQ(commandLine.Options().dataDir, QDir::current().absoluteFilePath(QStringLiteral("data")));
}

TEST(CommandLine, VersionNamesProductAndVersion)
{
    EXPECT_EQ(CommandLine::VersionText(), QStringLiteral("Quorvel 2.05"));
}

struct DataDirCase {
    const char* name;
    QString overrideDir;
    QString xdgDataHome;
    QString expected;
};

void PrintTo(const DataDirCase& c, std::ostream* out)
{
    *out << c.name;
}

class DataDirResolution : public testing::TestWithParam<DataDirCase> {};

TEST_P(DataDirResolution, PicksTheFolder)
{
    const DataDirCase& c = GetParam();
    EXPECT_EQ(ResolveDataDir(c.overrideDir, c.xdgDataHome, QStringLiteral("/home/anna")), c.expected);
}

const DataDirCase kDataDirCases[] = {
    {"XdgDataHome", {}, "/data/anna", "/data/anna/Quorvel"},
    {"XdgDataHomeWithSlash", {}, "/data/anna/", "/data/anna/Quorvel"},
    {"HomeWhenXdgUnset", {}, {}, "/home/anna/.local/share/Quorvel"},
    {"HomeWhenXdgRelative", {}, "rel/share", "/home/anna/.local/share/Quorvel"},
    {"OverrideWins", "/srv/q", "/data/anna", "/srv/q"},
};

INSTANTIATE_TEST_SUITE_P(Cases, DataDirResolution, testing::ValuesIn(kDataDirCases),
                         [](const testing::TestParamInfo<DataDirCase>& c) { return c.param.name; });

TEST(DataDir, DefaultsToTheHomeFolderWithoutXdgDataHome)
{
    QTemporaryDir home;
    const test::ScopedEnvironment env{{"XDG_DATA_HOME", std::nullopt}, {"HOME", home.path().toLocal8Bit()}};
    EXPECT_EQ(ResolveDataDirFromEnvironment({}), home.path() + QStringLiteral("/.local/share/Quorvel"));
}

TEST(DataDir, FollowsXdgDataHome)
{
    QTemporaryDir data;
    const test::ScopedEnvironment env{{"XDG_DATA_HOME", data.path().toLocal8Bit()}};
    EXPECT_EQ(ResolveDataDirFromEnvironment({}), data.path() + QStringLiteral("/Quorvel"));
}

TEST(DataDir, IsCreatedWithItsParents)
{
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("a/b/Quorvel"));
    EXPECT_EQ(PrepareDataDir(dir), QString());
    EXPECT_TRUE(QFileInfo(dir).isDir());
    EXPECT_EQ(PrepareDataDir(dir), QString()) << "an existing folder is fine";
}

// A regular file in the way stops even the superuser, so this holds wherever the tests run.
TEST(DataDir, ThatCannotBeCreatedGivesAMessageNamingIt)
{
    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("plain-file"));
    ASSERT_EQ(WriteFileAtomically(file.toStdString(), "x"), "");
    for (const QString& dir : {file, file + QStringLiteral("/Quorvel")}) {
        const QString message = PrepareDataDir(dir);
        EXPECT_TRUE(message.startsWith(QStringLiteral("cannot create the data folder ") + dir))
            << message.toStdString();
    }
}

struct StartUpRun {
    StartUp startUp;
    QString out;
    QString err;
};

StartUpRun RunStartUp(const QStringList& arguments)
{
    StartUpRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.startUp = PrepareStartUp(arguments, out, err, [] {
        return LocalMoment{Date{2024, 6, 1}, TimeOfDay{8, 0, 0}, 0};
    });
    return run;
}

TEST(StartUp, DryRunToFileCreatesDataDirAndRecordsRequests)
{
    QTemporaryDir root;
    const QString dataDir = root.filePath(QStringLiteral("new/data"));
    const QString logFile = root.filePath(QStringLiteral("dry.log"));
    StartUpRun run = RunStartUp({QStringLiteral("quorvel"), QStringLiteral("--data-dir"), dataDir,
                                 QStringLiteral("--dry-run=") + logFile});

    ASSERT_TRUE(run.startUp.proceed) << run.err.toStdString();
    EXPECT_EQ(run.startUp.exitCode, 0);
    EXPECT_EQ(run.startUp.dataDir, dataDir);
    EXPECT_TRUE(QFileInfo(dataDir).isDir());
    run.startUp.services->desktopLock->LockDesktop();
    std::string contents;
    ASSERT_TRUE(ReadWholeFile(logFile.toStdString(), contents));
    EXPECT_EQ(contents, "2024-06-01T08:00:00.000 LockDesktop\n");
    EXPECT_EQ(run.err, QString());
}

TEST(StartUp, UnusableDataDirEndsWithCodeOne)
{
    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("plain-file"));
    ASSERT_EQ(WriteFileAtomically(file.toStdString(), "x"), "");
    const QString dataDir = file + QStringLiteral("/data");
    const StartUpRun run = RunStartUp(
        {QStringLiteral("quorvel"), QStringLiteral("--data-dir"), dataDir, QStringLiteral("--dry-run")});
    EXPECT_FALSE(run.startUp.proceed);
    EXPECT_EQ(run.startUp.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Quorvel: cannot create the data folder ") + dataDir))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(QLatin1Char('\n')));
}

TEST(StartUp, UnopenableRequestLogEndsWithCodeOne)
{
    QTemporaryDir root;
    const QString logFile = root.filePath(QStringLiteral("missing/dry.log"));
    const StartUpRun run = RunStartUp({QStringLiteral("quorvel"), QStringLiteral("--data-dir"), root.path(),
                                       QStringLiteral("--dry-run=") + logFile});
    EXPECT_FALSE(run.startUp.proceed);
    EXPECT_EQ(run.startUp.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Quorvel: cannot append to the request log ") + logFile))
        << run.err.toStdString();
}

TEST(StartUp, UnknownOptionEndsWithQtsMessageAndCodeOne)
{
    const StartUpRun run = RunStartUp(Args({"--frobnicate"}));
    EXPECT_FALSE(run.startUp.proceed);
    EXPECT_EQ(run.startUp.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Quorvel: Unknown option 'frobnicate'.\n"));
    EXPECT_EQ(run.out, QString());
}

TEST(StartUp, VersionIsPrintedAndEndsWithCodeZero)
{
    const StartUpRun run = RunStartUp(Args({"--version"}));
    EXPECT_FALSE(run.startUp.proceed);
    EXPECT_EQ(run.startUp.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("Quorvel 2.05\n"));
}

}  // namespace
}  // namespace quorvel
