#include "platform/linux/wake_helper/wake_helper_loop.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <utility>

namespace quorvel {
namespace {

// Longer lines are no command of ours; dropping them keeps memory bounded whatever is sent.
constexpr std::size_t kLongestLine = 256;

}  // namespace

WakeHelperLoop::WakeHelperLoop(int input, int output, TimerFd pcWake, TimerFd wakeTest)
    : m_input(input), m_output(output), m_pcWake(std::move(pcWake)), m_wakeTest(std::move(wakeTest))
{
}

bool WakeHelperLoop::WriteLine(int fd, const std::string& line)
{
    const std::string whole = line + '\n';
    std::size_t done = 0;
    while (done < whole.size()) {
        const ssize_t written = write(fd, whole.data() + done, whole.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

int WakeHelperLoop::Run()
{
    while (!m_quit) {
        pollfd watched[3] = {{m_input, POLLIN, 0}, {m_pcWake.Fd(), POLLIN, 0}, {m_wakeTest.Fd(), POLLIN, 0}};
        if (poll(watched, 3, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return 1;
        }
        const std::pair<short, WakeTimerName> timers[] = {{watched[1].revents, WakeTimerName::PcWake},
                                                          {watched[2].revents, WakeTimerName::WakeTest}};
        for (const auto& [events, name] : timers) {
            if ((events & POLLIN) && Timer(name).ConsumeExpiry() &&
                !Send({WakeHelperReply::Kind::Fired, name, {}})) {
                return 0;
            }
        }
        if (watched[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            if (!ReadInput()) {
                return 0;
            }
        }
    }
    return 0;
}

bool WakeHelperLoop::ReadInput()
{
    char buffer[512];
    const ssize_t got = read(m_input, buffer, sizeof buffer);
    if (got < 0) {
        return errno == EINTR || errno == EAGAIN;
    }
    if (got == 0) {
        return false;
    }
    m_pending.append(buffer, static_cast<std::size_t>(got));
    std::size_t end = 0;
    while (!m_quit && (end = m_pending.find('\n')) != std::string::npos) {
        const std::string line = m_pending.substr(0, end);
        m_pending.erase(0, end + 1);
        if (m_discardingLongLine) {
            m_discardingLongLine = false;
            continue;
        }
        HandleLine(line);
    }
    if (m_pending.size() > kLongestLine) {
        m_pending.clear();
        m_discardingLongLine = true;
        Send({WakeHelperReply::Kind::Error, WakeTimerName::PcWake, "line too long"});
    }
    return true;
}

void WakeHelperLoop::HandleLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::optional<WakeHelperCommand> command = ParseWakeHelperCommand(line);
    if (!command) {
        Send({WakeHelperReply::Kind::Error, WakeTimerName::PcWake, "unknown command"});
        return;
    }
    TimerFd& timer = Timer(command->timer);
    bool done = true;
    switch (command->kind) {
        case WakeHelperCommand::Kind::Quit:
            m_quit = true;
            return;
        case WakeHelperCommand::Kind::ArmAt:
            done = timer.ArmAt(std::chrono::sys_seconds{std::chrono::seconds{command->seconds}});
            break;
        case WakeHelperCommand::Kind::ArmAfter:
            done = timer.ArmAfter(std::chrono::seconds{command->seconds});
            break;
        case WakeHelperCommand::Kind::Cancel:
            done = timer.Disarm();
            break;
    }
    if (!done) {
        Send({WakeHelperReply::Kind::Error, WakeTimerName::PcWake, std::strerror(errno)});
    }
}

TimerFd& WakeHelperLoop::Timer(WakeTimerName name)
{
    return name == WakeTimerName::PcWake ? m_pcWake : m_wakeTest;
}

bool WakeHelperLoop::Send(const WakeHelperReply& reply)
{
    return WriteLine(m_output, FormatWakeHelperReply(reply));
}

}  // namespace quorvel
