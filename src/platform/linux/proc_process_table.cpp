#include "platform/linux/proc_process_table.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <charconv>
#include <sstream>
#include <string_view>

namespace quorvel {
namespace {

// The kernel's flag for its own threads (include/linux/sched.h).
constexpr unsigned long kKernelThreadFlag = 0x00200000;
constexpr std::string_view kDeletedSuffix = " (deleted)";

// Plain read(2): a process that ends while its files are read makes read fail with ESRCH, which
// a file stream turns into an exception; here it is just a process that is gone.
std::optional<std::string> ReadSmallFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

std::string LinkTarget(const std::string& path)
{
    std::string target(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0) {
        return {};  // another user's process, or gone
    }
    target.resize(static_cast<std::size_t>(n));
    // A program replaced on disk while it runs keeps its name with this mark.
    if (target.size() > kDeletedSuffix.size() && target.ends_with(kDeletedSuffix)) {
        target.resize(target.size() - kDeletedSuffix.size());
    }
    return target;
}

// From "pid (comm) state ppid pgrp session tty tpgid flags ...": false for a zombie, a dead
// process or a kernel thread. The name in brackets may itself hold blanks and brackets.
bool IsLiveUserProcess(std::string_view stat)
{
    const auto close = stat.rfind(')');
    if (close == std::string_view::npos) {
        return false;
    }
    std::istringstream fields(std::string(stat.substr(close + 1)));
    std::string state;
    std::string skipped;
    unsigned long flags = 0;
    fields >> state;
    for (int i = 0; i < 5; ++i) {
        fields >> skipped;
    }
    fields >> flags;
    if (!fields || state.empty()) {
        return false;
    }
    return state != "Z" && state != "X" && state != "x" && (flags & kKernelThreadFlag) == 0;
}

}  // namespace

ProcProcessTable::ProcProcessTable(std::string root) : m_root(std::move(root)) {}

std::vector<pid_t> ProcProcessTable::ProcessIds() const
{
    std::vector<pid_t> ids;
    DIR* dir = ::opendir(m_root.c_str());
    if (dir == nullptr) {
        return ids;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        pid_t pid = 0;
        const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
        if (error == std::errc() && end == name.data() + name.size() && pid > 0) {
            ids.push_back(pid);
        }
    }
    ::closedir(dir);
    return ids;
}

std::optional<ProcessIdentity> ProcProcessTable::Identity(pid_t pid) const
{
    const std::string folder = m_root + "/" + std::to_string(pid) + "/";
    const std::optional<std::string> stat = ReadSmallFile(folder + "stat");
    if (!stat || !IsLiveUserProcess(*stat)) {
        return std::nullopt;
    }
    ProcessIdentity identity;
    identity.executable = LinkTarget(folder + "exe");
    if (const std::optional<std::string> cmdline = ReadSmallFile(folder + "cmdline")) {
        identity.firstArgument = cmdline->substr(0, cmdline->find('\0'));
    }
    if (std::optional<std::string> comm = ReadSmallFile(folder + "comm")) {
        if (!comm->empty() && comm->back() == '\n') {
            comm->pop_back();
        }
        identity.shortName = std::move(*comm);
    }
    return identity;
}

}  // namespace quorvel
