#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

#include "../core/scratch_dir.h"
#include "platform/linux/linux_launcher.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;
using testing_support::ScratchDir;

// Writes one "[argument]" line per argument to <own path>.args, then creates <own path>.done.
constexpr const char* kEchoArguments =
    "#!/bin/sh\n"
    "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$0.args\"\n"
    ": > \"$0.done\"\n";

class LinuxLauncherTest : public testing::Test {
protected:
    std::string MakeScript(const std::string& relative)
    {
        const std::string path = m_dir.File(relative);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        m_dir.Write(relative, kEchoArguments);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }

    // The arguments the script received, once it has finished; nothing when it never ran.
    std::optional<std::string> ArgumentsOf(const std::string& script, std::chrono::milliseconds wait = 5s)
    {
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (!std::filesystem::exists(script + ".done")) {
            if (std::chrono::steady_clock::now() > deadline) {
                return std::nullopt;
            }
            std::this_thread::sleep_for(10ms);
        }
        std::string args;
        std::ifstream in(script + ".args", std::ios::binary);
        args.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return args;
    }

    ScratchDir m_dir;
    LinuxLauncher m_launcher;
};

TEST_F(LinuxLauncherTest, PassesParametersAsArgumentsAndRunsNothingInThem)
{
    const std::string script = MakeScript("bin/echo args");  // a blank in the path, too
    const std::string marker = m_dir.File("owned");
    const std::string parameters = "-a 'two words' ; touch " + marker + "1 $(touch " + marker + "2) `touch " +
                                   marker + "3` && touch " + marker + "4 | \"$(touch " + marker + "5)\" >" +
                                   marker + "6 $HOME * caf\xE9";
    m_launcher.StartProgram(script, parameters);

    const std::optional<std::string> args = ArgumentsOf(script);
    ASSERT_TRUE(args.has_value()) << "the program did not start";
    EXPECT_EQ(*args, "[-a]\n[two words]\n[;]\n[touch]\n[" + marker + "1]\n[$(touch]\n[" + marker +
                         "2)]\n[`touch]\n[" + marker + "3`]\n[&&]\n[touch]\n[" + marker +
                         "4]\n[|]\n[$(touch " + marker + "5)]\n[>" + marker +
                         "6]\n[$HOME]\n[*]\n[caf\xC3\xA9]\n");
    // Had a shell been involved, its commands would have run by now.
    std::this_thread::sleep_for(300ms);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_FALSE(std::filesystem::exists(marker + std::to_string(i))) << i;
    }
}

TEST_F(LinuxLauncherTest, StartsNothingForAnOpenQuoteOrNoProgram)
{
    const std::string script = MakeScript("echo-args");
    m_launcher.StartProgram(script, "'; touch " + m_dir.File("owned"));
    m_launcher.StartProgram("", "-x");
    m_launcher.StartProgram(m_dir.File("missing"), "-x");
    EXPECT_EQ(ArgumentsOf(script, 500ms), std::nullopt);

    m_launcher.StartProgram(script, "");
    EXPECT_EQ(ArgumentsOf(script), std::optional<std::string>(""));
}

// Openers on a PATH of the test's own, so no real opener is ever started.
class ShellOpenTest : public LinuxLauncherTest {
protected:
    void SetUp() override
    {
        if (const char* path = ::getenv("PATH")) {
            m_savedPath = path;
        }
    }
    void TearDown() override { ::setenv("PATH", m_savedPath.c_str(), 1); }

    void UsePath(const std::string& folder) { ::setenv("PATH", m_dir.File(folder).c_str(), 1); }

    std::string m_savedPath;
};

TEST_F(ShellOpenTest, OpensWithXdgOpenAsOneArgument)
{
    const std::string opener = MakeScript("openers/xdg-open");
    MakeScript("openers/gio");
    UsePath("openers");
    m_launcher.ShellOpen("https://example.org/?a=1&b=$(id) x");
    EXPECT_EQ(ArgumentsOf(opener), std::optional<std::string>("[https://example.org/?a=1&b=$(id) x]\n"));
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("openers/gio.done")));
}

TEST_F(ShellOpenTest, FallsBackToGioWhenXdgOpenIsMissing)
{
    const std::string gio = MakeScript("fallback/gio");
    UsePath("fallback");
    m_launcher.ShellOpen("/home/anna/My Notes.pdf");
    EXPECT_EQ(ArgumentsOf(gio), std::optional<std::string>("[open]\n[/home/anna/My Notes.pdf]\n"));
}

TEST_F(ShellOpenTest, DoesNothingWithoutAnOpenerOrATarget)
{
    std::filesystem::create_directory(m_dir.File("empty"));
    UsePath("empty");
    m_launcher.ShellOpen("/home/anna/x.pdf");

    const std::string opener = MakeScript("openers/xdg-open");
    UsePath("openers");
    m_launcher.ShellOpen("");
    EXPECT_EQ(ArgumentsOf(opener, 300ms), std::nullopt);
}

}  // namespace
}  // namespace quorvel
