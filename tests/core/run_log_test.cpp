#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/log/run_log.h"

namespace fs = std::filesystem;

namespace {

class RunLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "runlog-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        m_log = (m_dir / "log.txt").string();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void WriteBytes(const fs::path& path, std::size_t count)
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(count, 'x');
    }

    fs::path m_dir;
    std::string m_log;
};

TEST_F(RunLogTest, CreatesAMissingLogEmpty)
{
    EXPECT_EQ(quorvel::CapRunLog(m_log), "");
    ASSERT_TRUE(fs::exists(m_log));
    EXPECT_EQ(fs::file_size(m_log), 0u);
}

TEST_F(RunLogTest, EmptiesOnlyALogOverTheLimit)
{
    struct Case {
        std::size_t size;
        std::uintmax_t expected;
    };
    for (const Case c :
         {Case{0, 0}, Case{10239, 10239}, Case{10240, 10240}, Case{10241, 0}, Case{50000, 0}}) {
        WriteBytes(m_log, c.size);
        EXPECT_EQ(quorvel::CapRunLog(m_log), "") << c.size;
        EXPECT_EQ(fs::file_size(m_log), c.expected) << "size " << c.size;
    }
}

TEST_F(RunLogTest, NeverEmptiesTheTargetOfASymbolicLink)
{
    const fs::path target = m_dir / "precious";
    WriteBytes(target, 20000);
    fs::create_symlink(target, m_log);
    EXPECT_NE(quorvel::CapRunLog(m_log), "");
    EXPECT_EQ(fs::file_size(target), 20000u);
}

}  // namespace
