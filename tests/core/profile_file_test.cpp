#include "core/settings/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "scratch_dir.h"

namespace quorvel {
namespace {

using testing_support::ScratchDir;

class ProfileFileTest : public testing::Test {
protected:
    ScratchDir m_dir;
    ProfileFile m_file{m_dir.File("test.ini")};
};

TEST_F(ProfileFileTest, MissingFileGivesTheDefaults)
{
    EXPECT_EQ(m_file.ReadString("Option", "run", "dflt"), "dflt");
    EXPECT_TRUE(m_file.ReadBool("Option", "first", true));
    EXPECT_TRUE(m_file.ReadKeyNames("Option").empty());
    EXPECT_TRUE(m_file.ReadSectionNames().empty());
}

TEST_F(ProfileFileTest, FirstWriteCreatesAUserOnlyFileWithCrLf)
{
    ASSERT_TRUE(m_file.WriteString("Option", "run", "1").ok());
    EXPECT_EQ(m_dir.Read("test.ini"), "[Option]\r\nrun=1\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(m_file.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);
}

TEST_F(ProfileFileTest, KeepsTheModeOfAnExistingFile)
{
    m_dir.Write("test.ini", "[A]\nx=1\n");
    ::chmod(m_file.Path().c_str(), 0644);
    ASSERT_TRUE(m_file.WriteString("A", "x", "2").ok());
    struct stat info {};
    ASSERT_EQ(::stat(m_file.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644U);
}

TEST_F(ProfileFileTest, EveryCallSeesTheFileAsItIsNow)
{
    m_dir.Write("test.ini", "[A]\nx=1\n");
    EXPECT_EQ(m_file.ReadString("A", "x", ""), "1");
    m_dir.Write("test.ini", "[A]\nx=2\ny=3\n");
    EXPECT_EQ(m_file.ReadString("A", "x", ""), "2");
    // A write works on the file's current text, not on what was read before.
    ASSERT_TRUE(m_file.WriteString("A", "z", "4").ok());
    EXPECT_EQ(m_dir.Read("test.ini"), "[A]\nx=2\ny=3\nz=4\n");
    EXPECT_EQ(m_file.ReadKeyNames("a"), (std::vector<std::string>{"x", "y", "z"}));
}

TEST_F(ProfileFileTest, WritesAndReadsBackThroughTheFile)
{
    m_dir.Write("test.ini", "; mine\r\n[Last]\r\nEntryName=Home\r\n");
    ASSERT_TRUE(m_file.WriteString("Last", "   Password", "4169929411294112941129411").ok());
    ASSERT_TRUE(m_file.WriteString("RAS_ENTRY_My_ISP", "USER_john", "1").ok());
    EXPECT_EQ(m_file.ReadString("last", "password", ""), "4169929411294112941129411");
    EXPECT_EQ(m_dir.Read("test.ini"),
              "; mine\r\n[Last]\r\nEntryName=Home\r\nPassword=4169929411294112941129411\r\n"
              "\r\n[RAS_ENTRY_My_ISP]\r\nUSER_john=1\r\n");
    EXPECT_EQ(m_file.ReadSectionNames(), (std::vector<std::string>{"Last", "RAS_ENTRY_My_ISP"}));
}

struct BoolCase {
    const char* stored;
    bool defaultValue;
    bool expected;
};

void PrintTo(const BoolCase& c, std::ostream* os)
{
    *os << testing::PrintToString(std::string(c.stored))
        << (c.defaultValue ? " default true" : " default false");
}

class ProfileFileBool : public testing::TestWithParam<BoolCase> {};

TEST_P(ProfileFileBool, ReadsIntegerText)
{
    ScratchDir dir;
    dir.Write("b.ini", std::string("[S]\nb=") + GetParam().stored + "\n");
    EXPECT_EQ(ProfileFile(dir.File("b.ini")).ReadBool("S", "b", GetParam().defaultValue),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileFileBool,
                         testing::Values(BoolCase{"1", false, true}, BoolCase{"0", true, false},
                                         BoolCase{"2", false, true}, BoolCase{"-1", false, true},
                                         BoolCase{"000", true, false}, BoolCase{"0x10", false, true},
                                         BoolCase{"99999999999999999999", false, true},
                                         BoolCase{"", true, true}, BoolCase{"", false, false},
                                         BoolCase{"yes", true, true}, BoolCase{"yes", false, false},
                                         BoolCase{"1a", false, false}, BoolCase{"-", true, true}));

TEST_F(ProfileFileTest, WritesBoolsAsOneAndZero)
{
    ASSERT_TRUE(m_file.WriteBool("S", "t", true).ok());
    ASSERT_TRUE(m_file.WriteBool("S", "f", false).ok());
    EXPECT_EQ(m_dir.Read("test.ini"), "[S]\r\nt=1\r\nf=0\r\n");
}

TEST(ProfileFileWriteError, FolderThatDoesNotExist)
{
    ScratchDir dir;
    const std::string path = dir.File("gone/test.ini");
    const ProfileWriteResult result = ProfileFile(path).WriteString("A", "x", "1");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message, "Unable to write to " + path);
    EXPECT_FALSE(result.reason.empty());
}

TEST(ProfileFileWriteError, DirectoryWhereTheFileShouldBe)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir.File("test.ini"));
    std::filesystem::create_directory(dir.File("test.ini/keep"));
    const ProfileWriteResult result = ProfileFile(dir.File("test.ini")).WriteString("A", "x", "1");
    EXPECT_EQ(result.message, "Unable to write to " + dir.File("test.ini"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("test.ini/keep")));
}

TEST(ProfileFileWriteError, RefusedValueLeavesTheFileAlone)
{
    ScratchDir dir;
    dir.Write("test.ini", "[A]\nx=1\n");
    const ProfileWriteResult result = ProfileFile(dir.File("test.ini")).WriteString("A", "x", "two\nlines");
    EXPECT_EQ(result.message, "Unable to write to " + dir.File("test.ini"));
    EXPECT_EQ(dir.Read("test.ini"), "[A]\nx=1\n");
}

TEST(ProfileFileWriteError, LeavesNoTemporaryFilesBehind)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir.File("test.ini"));
    (void)ProfileFile(dir.File("test.ini")).WriteString("A", "x", "1");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1U);
}

}  // namespace
}  // namespace quorvel
