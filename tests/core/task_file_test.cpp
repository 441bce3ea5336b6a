#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "core/io/atomic_file.h"
#include "core/tasks/task_file.h"
#include "core/tasks/task_line.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path)
{
    std::string contents;
    EXPECT_TRUE(ReadWholeFile(path.string(), contents)) << path;
    return contents;
}

void WriteBytes(const fs::path& path, const std::string& contents)
{
    std::ofstream(path, std::ios::binary) << contents;
}

std::string Fixture(const char* name)
{
    return ReadBytes(fs::path(QUORVEL_SOURCE_DIR) / "tests/core/data" / name);
}

// A fresh DataDir per test.
class TaskFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "quorvel-taskfile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Dir() const { return m_dir.string(); }
    fs::path TaskDat() const { return m_dir / kTaskFileName; }

    fs::path m_dir;
};

TEST_F(TaskFileTest, MissingFileIsReportedApartFromAnEmptyOne)
{
    std::string error = "stale";
    EXPECT_EQ(LoadTaskFile(Dir(), &error), std::nullopt);
    EXPECT_EQ(error, "");

    WriteBytes(TaskDat(), "");
    const auto lines = LoadTaskFile(Dir(), &error);
    ASSERT_TRUE(lines.has_value());
    EXPECT_TRUE(lines->empty());
    EXPECT_EQ(error, "");
}

TEST_F(TaskFileTest, UnreadableFileGivesNoTasksAndSaysWhy)
{
    fs::create_directory(TaskDat());
    std::string error;
    EXPECT_EQ(LoadTaskFile(Dir(), &error), std::nullopt);
    EXPECT_NE(error.find(kTaskFileName), std::string::npos) << error;
}

TEST_F(TaskFileTest, SplitsAtEveryKindOfLineEnd)
{
    struct Case {
        const char* name;
        std::string contents;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lf", "a\nb\n", {"a", "b"}},
        {"cr", "a\rb\r", {"a", "b"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"last line unterminated", "a\r\nb", {"a", "b"}},
        {"empty lines are tasks too", "a\r\n\r\n\nb\r\n", {"a", "", "", "b"}},
        {"lf then cr is two ends", "a\n\rb", {"a", "", "b"}},
        {"only a line end", "\r\n", {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(TaskDat(), c.contents);
        EXPECT_EQ(LoadTaskFile(Dir()), c.lines);
    }
}

TEST_F(TaskFileTest, CrLfFixtureStaysByteExactThroughLoadAndSave)
{
    const std::string original = Fixture("tasks_crlf.dat");
    WriteBytes(TaskDat(), original);

    const auto lines = LoadTaskFile(Dir());
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 8u);
    // The last task's title holds separators and bytes that are not UTF-8.
    EXPECT_EQ(ParseTaskLine(lines->back()).Title, "Caf\xe9 *news* \x80");

    ASSERT_EQ(SaveTaskFile(Dir(), *lines), "");
    EXPECT_EQ(ReadBytes(TaskDat()), original);
}

TEST_F(TaskFileTest, LfAndCrFilesLoadLikeTheCrLfOneAndAreSavedWithCrLf)
{
    const std::string crlf = Fixture("tasks_crlf.dat");
    WriteBytes(TaskDat(), crlf);
    const auto expected = LoadTaskFile(Dir());

    for (const char* name : {"tasks_lf.dat", "tasks_cr_unterminated.dat"}) {
        SCOPED_TRACE(name);
        WriteBytes(TaskDat(), Fixture(name));
        const auto lines = LoadTaskFile(Dir());
        EXPECT_EQ(lines, expected);
        ASSERT_TRUE(lines.has_value());
        ASSERT_EQ(SaveTaskFile(Dir(), *lines), "");
        EXPECT_EQ(ReadBytes(TaskDat()), crlf);
    }
}

TEST_F(TaskFileTest, ManyTasksAndRawBytesRoundTrip)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) {
        std::string line =
            "10:00:00*Enabled*l1-EveryDay" + std::string(23, '*') + "task " + std::to_string(i);
        line += static_cast<char>(0x80 + i % 0x80);  // never valid UTF-8 on its own
        line += '\0';
        lines.push_back(line);
    }
    ASSERT_EQ(SaveTaskFile(Dir(), lines), "");
    EXPECT_EQ(LoadTaskFile(Dir()), lines);
}

// A pipe has no size to go by, so the whole of what comes through it must still be read,
// however often the buffer has to grow.
TEST_F(TaskFileTest, FileWithoutAKnownSizeIsReadToItsEnd)
{
    std::vector<std::string> lines;
    std::string contents;
    for (int i = 0; i < 2000; ++i) {
        lines.push_back("10:00:00*Enabled*l1-EveryDay" + std::string(23, '*') + "task " + std::to_string(i));
        contents += lines.back() + "\r\n";
    }
    ASSERT_GT(contents.size(), 4 * 8192u);
    ASSERT_EQ(::mkfifo(TaskDat().c_str(), 0600), 0);
    std::thread writer([&] { WriteBytes(TaskDat(), contents); });
    const auto loaded = LoadTaskFile(Dir());
    writer.join();
    EXPECT_EQ(loaded, lines);
}

TEST_F(TaskFileTest, EmptyListGivesAnEmptyFile)
{
    ASSERT_EQ(SaveTaskFile(Dir(), {"a", "b"}), "");
    ASSERT_EQ(SaveTaskFile(Dir(), {}), "");
    EXPECT_EQ(ReadBytes(TaskDat()), "");
    EXPECT_EQ(LoadTaskFile(Dir()), std::vector<std::string>{});
}

TEST_F(TaskFileTest, NewFileIsForTheUserOnly)
{
    const mode_t oldMask = ::umask(0);
    const std::string error = SaveTaskFile(Dir(), {"a"});
    ::umask(oldMask);
    ASSERT_EQ(error, "");
    EXPECT_EQ(fs::status(TaskDat()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadBytes(TaskDat()), "a\r\n");
}

TEST_F(TaskFileTest, LineBreakInsideATaskIsRefusedAndTheOldFileKept)
{
    WriteBytes(TaskDat(), "old\r\n");
    for (const char* broken : {"a\nb", "a\rb", "a\r\n"}) {
        const std::string error = SaveTaskFile(Dir(), {"fine", broken});
        EXPECT_NE(error.find("task 2"), std::string::npos) << error;
        EXPECT_EQ(ReadBytes(TaskDat()), "old\r\n");
    }
}

TEST_F(TaskFileTest, SaveIntoAMissingFolderFails)
{
    EXPECT_NE(SaveTaskFile((m_dir / "no such folder").string(), {"a"}), "");
}

// Caps the size of files this process may write, as a full disk would; root is bound by it too.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = m_old;
        capped.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeCap()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(TaskFileTest, FailedWriteLeavesTheOldFileIntact)
{
    const std::string original = Fixture("tasks_crlf.dat");
    WriteBytes(TaskDat(), original);
    const std::vector<std::string> bigger(100, std::string(200, 'x'));

    std::string error;
    {
        const FileSizeCap cap(original.size());
        error = SaveTaskFile(Dir(), bigger);
    }
    EXPECT_NE(error, "");
    EXPECT_EQ(ReadBytes(TaskDat()), original);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace quorvel
