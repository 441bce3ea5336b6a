#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <string>
#include <thread>
#include <vector>

#include "core/io/atomic_file.h"
#include "platform/recording/request_log.h"

namespace quorvel {
namespace {

LocalMoment FixedMoment()
{
    return LocalMoment{Date{2031, 12, 1}, TimeOfDay{23, 0, 5}, 870};
}

std::string ReadFile(const std::string& path)
{
    std::string contents;
    EXPECT_TRUE(ReadWholeFile(path, contents)) << path;
    return contents;
}

TEST(RequestLog, StampsEachLineWithTheClockOfTheRequest)
{
    int call = 0;
    const LocalMoment moments[] = {{Date{2024, 1, 2}, TimeOfDay{3, 4, 5}, 6},
                                   {Date{2024, 12, 31}, TimeOfDay{23, 59, 59}, 999}};
    RequestLog log([&] { return moments[call++]; });
    log.Record("Suspend");
    log.Record("KillTask", {"a.exe"});
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"2024-01-02T03:04:05.006 Suspend",
                                                     "2024-12-31T23:59:59.999 KillTask a.exe"}));
}

TEST(RequestLog, LineEndsInAnArgumentCannotSplitTheLine)
{
    RequestLog log(FixedMoment);
    log.Record("ShellOpen", {"a\nb\r\tc\x7f"});
    EXPECT_EQ(log.Lines().front(), "2031-12-01T23:00:05.870 ShellOpen a\\x0Ab\\x0D\\x09c\\x7F");
}

TEST(RequestLog, KeepsBytesBeyondAsciiAsTheyCame)
{
    RequestLog log(FixedMoment);
    log.Record("KillTask", {"caf\xc3\xa9.exe"});
    log.Record("KillTask", {"caf\xe9.exe"});
    EXPECT_EQ(log.Lines()[0], "2031-12-01T23:00:05.870 KillTask caf\xc3\xa9.exe");
    EXPECT_EQ(log.Lines()[1], "2031-12-01T23:00:05.870 KillTask caf\xe9.exe");
}

TEST(RequestLog, TwoLogsAppendToTheSameFileWithoutLosingEarlierLines)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("requests.log")).toStdString();
    ASSERT_EQ(WriteFileAtomically(path, "from an earlier run\n"), "");

    std::string error;
    auto first = RequestLog::AppendingToFile(path, FixedMoment, error);
    ASSERT_TRUE(first) << error;
    first->Record("LockDesktop");
    auto second = RequestLog::AppendingToFile(path, FixedMoment, error);
    ASSERT_TRUE(second) << error;
    second->Record("Suspend");
    first->Record("KillTask", {"x.exe"});

    // Each line is in the file as soon as it is recorded, before either log is closed.
    EXPECT_EQ(ReadFile(path),
              "from an earlier run\n"
              "2031-12-01T23:00:05.870 LockDesktop\n"
              "2031-12-01T23:00:05.870 Suspend\n"
              "2031-12-01T23:00:05.870 KillTask x.exe\n");
}

TEST(RequestLog, FileThatCannotBeOpenedIsReported)
{
    QTemporaryDir dir;
    std::string error;
    const std::string path = dir.filePath(QStringLiteral("missing/requests.log")).toStdString();
    EXPECT_FALSE(RequestLog::AppendingToFile(path, FixedMoment, error));
    EXPECT_FALSE(error.empty());
}

TEST(RequestLog, LinesFromSeveralThreadsStayWhole)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("requests.log")).toStdString();
    std::string error;
    auto log = RequestLog::AppendingToFile(path, FixedMoment, error);
    ASSERT_TRUE(log) << error;
    constexpr int kPerThread = 300;
    auto write = [&](const char* name) {
        for (int i = 0; i < kPerThread; ++i) {
            log->Record("KillTask", {name});
        }
    };
    std::thread a(write, "a-long-process-name-for-a-wider-line.exe");
    std::thread b(write, "b.exe");
    a.join();
    b.join();

    const std::string contents = ReadFile(path);
    int lines = 0;
    for (size_t start = 0; start < contents.size(); ++lines) {
        const size_t end = contents.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = contents.substr(start, end - start);
        EXPECT_TRUE(line == "2031-12-01T23:00:05.870 KillTask a-long-process-name-for-a-wider-line.exe" ||
                    line == "2031-12-01T23:00:05.870 KillTask b.exe")
            << line;
        start = end + 1;
    }
    EXPECT_EQ(lines, 2 * kPerThread);
    EXPECT_EQ(log->Lines().size(), 2u * kPerThread);
}

// Standard error is swapped for a file for the length of the test, so the lines can be read back.
class StandardErrorCapture {
public:
    explicit StandardErrorCapture(const std::string& path)
        : m_saved(dup(STDERR_FILENO)), m_file(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600))
    {
        dup2(m_file, STDERR_FILENO);
    }
    ~StandardErrorCapture()
    {
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        close(m_file);
    }

private:
    int m_saved;
    int m_file;
};

TEST(RequestLog, WritesToStandardErrorWhenNoFileIsGiven)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("stderr.txt")).toStdString();
    {
        const StandardErrorCapture capture(path);
        auto log = RequestLog::ToStandardError(FixedMoment);
        log->Record("SetScreenSaver", {"0"});
    }
    EXPECT_EQ(ReadFile(path), "2031-12-01T23:00:05.870 SetScreenSaver 0\n");
}

}  // namespace
}  // namespace quorvel
