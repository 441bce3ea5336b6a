#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "../core/scratch_dir.h"
#include "platform/linux/linux_process_control.h"
#include "spawned_process.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;
using testing_support::ScratchDir;
using testing_support::SpawnedProcess;

constexpr auto kExitWait = 5s;

// Victims are copies of sleep (or a small script) whose names carry this test's process id, so
// no process of anyone else can ever match them.
class LinuxProcessControlTest : public testing::Test {
protected:
    std::string Name(const std::string& stem) const { return "qv" + std::to_string(::getpid()) + stem; }

    std::unique_ptr<SpawnedProcess> StartSleep(const std::string& fileName, bool ignoreTerm = false)
    {
        const std::string path = m_dir.File(fileName);
        std::filesystem::copy_file("/bin/sleep", path, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        auto process = std::make_unique<SpawnedProcess>(path, std::vector<std::string>{"30"}, ignoreTerm);
        EXPECT_TRUE(process->Started()) << fileName;
        return process;
    }

    ScratchDir m_dir;
    LinuxProcessControl m_control{300ms};
};

TEST_F(LinuxProcessControlTest, EndsEveryProcessOfTheNameAndNoOther)
{
    auto first = StartSleep(Name("victim"));
    std::filesystem::create_directory(m_dir.File("copy"));
    auto second = StartSleep("copy/" + Name("victim"));  // same name, other folder
    auto similar = StartSleep(Name("victim2"));
    auto other = StartSleep(Name("other"));

    EXPECT_TRUE(m_control.KillTask(Name("victim")));
    EXPECT_TRUE(first->WaitForExit(kExitWait));
    EXPECT_TRUE(second->WaitForExit(kExitWait));
    EXPECT_EQ(first->EndingSignal(), SIGTERM);
    EXPECT_EQ(second->EndingSignal(), SIGTERM);

    std::this_thread::sleep_for(400ms);  // past the grace: the others are still left alone
    EXPECT_TRUE(similar->Running());
    EXPECT_TRUE(other->Running());
}

TEST_F(LinuxProcessControlTest, MatchesIgnoringCaseWithOrWithoutExe)
{
    struct Case {
        std::string fileName;
        std::string taskName;
    };
    const Case cases[] = {
        {Name("Mixed"), Name("mIXED")},
        {Name("plain"), Name("PLAIN.EXE")},
        {Name("w.exe"), Name("W.Exe")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.taskName);
        auto victim = StartSleep(c.fileName);
        EXPECT_TRUE(m_control.KillTask(c.taskName));
        EXPECT_TRUE(victim->WaitForExit(kExitWait));
    }
}

TEST_F(LinuxProcessControlTest, MatchesAFullPathOnlyAsAWhole)
{
    auto victim = StartSleep(Name("path"));
    EXPECT_FALSE(m_control.KillTask("/elsewhere/" + Name("path")));
    EXPECT_TRUE(victim->Running());

    std::string upper = m_dir.File(Name("path"));
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    // The folder's letter case is ignored as well, as on the older platform.
    EXPECT_TRUE(m_control.KillTask(upper));
    EXPECT_TRUE(victim->WaitForExit(kExitWait));
}

TEST_F(LinuxProcessControlTest, KillsWhatIgnoresTheRequestToEndAfterTheGrace)
{
    // A script started through its interpreter: only the kernel's short name carries its name.
    const std::string script = m_dir.File(Name("stub"));
    // It says when its trap is set: a request to end that came earlier would simply end it.
    const std::string ready = script + ".ready";
    m_dir.Write(Name("stub"), "#!/bin/sh\ntrap '' TERM\n: > \"$0.ready\"\nwhile :; do sleep 1; done\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    SpawnedProcess stubborn(script, {});
    ASSERT_TRUE(stubborn.Started());
    const auto started = std::chrono::steady_clock::now();
    while (!std::filesystem::exists(ready) && std::chrono::steady_clock::now() - started < kExitWait) {
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(std::filesystem::exists(ready)) << "the script never set its trap";

    const auto asked = std::chrono::steady_clock::now();
    EXPECT_TRUE(m_control.KillTask(Name("stub")));
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 250ms) << "KillTask waited for the grace";
    EXPECT_TRUE(stubborn.WaitForExit(kExitWait));
    EXPECT_EQ(stubborn.EndingSignal(), SIGKILL);
}

TEST_F(LinuxProcessControlTest, ReportsFalseWhenNothingMatches)
{
    auto bystander = StartSleep(Name("bystander"));
    EXPECT_FALSE(m_control.KillTask(Name("nobody")));
    EXPECT_FALSE(m_control.KillTask(""));
    EXPECT_TRUE(bystander->Running());
}

// A process table whose only entry is this test process under a name of its own: ending by that
// name must leave the caller alone.
TEST(LinuxProcessControl, NeverEndsItsOwnProcess)
{
    ScratchDir proc;
    const std::string self = std::to_string(::getpid());
    std::filesystem::create_directory(proc.File(self));
    const std::string name = "qv" + self + "self";
    proc.Write(self + "/stat", self + " (" + name + ") S 1 1 1 0 -1 4194304 0 0");
    proc.Write(self + "/cmdline", name + std::string(1, '\0'));
    proc.Write(self + "/comm", name + "\n");

    LinuxProcessControl control(300ms, proc.Path());
    EXPECT_FALSE(control.KillTask(name));
}

TEST(ProcProcessTable, ReadsTheNamesAndSkipsWhatCannotBeEnded)
{
    ScratchDir proc;
    const auto add = [&proc](const std::string& pid, const std::string& stat, const std::string& cmdline,
                             const std::string& comm, const std::string& exe) {
        std::filesystem::create_directory(proc.File(pid));
        proc.Write(pid + "/stat", stat);
        proc.Write(pid + "/cmdline", cmdline);
        proc.Write(pid + "/comm", comm);
        if (!exe.empty()) {
            std::filesystem::create_symlink(exe, proc.File(pid + "/exe"));
        }
    };
    const std::string nul(1, '\0');
    add("101", "101 (odd) (name) S 1 1 1 0 -1 4194560 0 0", "/opt/a b/tool" + nul + "-x" + nul,
        "odd) (name\n", "/opt/a b/tool (deleted)");
    add("102", "102 (gone) Z 1 1 1 0 -1 4194304 0 0", "", "gone\n", "");
    add("103", "103 (kthreadd) S 0 0 0 0 -1 2129984 0 0", "", "kthreadd\n", "");
    add("104", "104 (foreign) S 1 1 1 0 -1 4194304 0 0", "cupsd" + nul, "cupsd\n", "");
    std::filesystem::create_directory(proc.File("self-ish"));

    const ProcProcessTable table(proc.Path());
    std::vector<pid_t> ids = table.ProcessIds();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<pid_t>{101, 102, 103, 104}));

    const std::optional<ProcessIdentity> odd = table.Identity(101);
    ASSERT_TRUE(odd.has_value());
    EXPECT_EQ(odd->executable, "/opt/a b/tool");
    EXPECT_EQ(odd->firstArgument, "/opt/a b/tool");
    EXPECT_EQ(odd->shortName, "odd) (name");
    EXPECT_EQ(table.Identity(102), std::nullopt) << "a zombie";
    EXPECT_EQ(table.Identity(103), std::nullopt) << "a kernel thread";
    const std::optional<ProcessIdentity> foreign = table.Identity(104);
    ASSERT_TRUE(foreign.has_value());
    EXPECT_EQ(foreign->executable, "");
    EXPECT_EQ(foreign->firstArgument, "cupsd");
    EXPECT_EQ(table.Identity(105), std::nullopt);
}

// A process that ends while its files are read fails the read itself (ESRCH); a directory in
// place of the file fails it the same way (EISDIR), which a fixture can hold still.
TEST(ProcProcessTable, AProcessWhoseFilesCannotBeReadIsGoneNotAnError)
{
    ScratchDir proc;
    std::filesystem::create_directories(proc.File("201/stat"));
    std::filesystem::create_directory(proc.File("202"));
    proc.Write("202/stat", "202 (half) S 1 1 1 0 -1 4194304 0 0");
    std::filesystem::create_directory(proc.File("202/cmdline"));
    proc.Write("202/comm", "half\n");

    const ProcProcessTable table(proc.Path());
    EXPECT_EQ(table.Identity(201), std::nullopt);
    const std::optional<ProcessIdentity> half = table.Identity(202);
    ASSERT_TRUE(half.has_value());
    EXPECT_EQ(half->firstArgument, "");
    EXPECT_EQ(half->shortName, "half");
}

}  // namespace
}  // namespace quorvel
