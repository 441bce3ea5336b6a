#include "platform/linux/grace_killer.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>

namespace quorvel {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsUntil(Clock::time_point deadline, Clock::time_point now)
{
    if (deadline <= now) {
        return 0;
    }
    // Rounded up, so a wake-up never comes just before the deadline and spins.
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count());
}

}  // namespace

GraceKiller::GraceKiller(std::chrono::milliseconds grace)
    : m_grace(grace), m_wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), m_thread([this] { Run(); })
{
}

GraceKiller::~GraceKiller()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    Wake();
    m_thread.join();
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
    }
}

void GraceKiller::Watch(PidfdHandle process)
{
    {
        std::lock_guard lock(m_mutex);
        m_watched.push_back(Watched{std::move(process), Clock::now() + m_grace});
    }
    Wake();
}

void GraceKiller::Wake() const
{
    const std::uint64_t one = 1;
    if (m_wakeFd >= 0) {
        [[maybe_unused]] const ssize_t ignored = ::write(m_wakeFd, &one, sizeof one);
    }
}

void GraceKiller::Run()
{
    std::vector<pollfd> fds;
    for (;;) {
        int timeout = -1;
        {
            std::lock_guard lock(m_mutex);
            if (m_stopping) {
                return;
            }
            fds.assign(1, pollfd{m_wakeFd, POLLIN, 0});
            const Clock::time_point now = Clock::now();
            for (const Watched& watched : m_watched) {
                fds.push_back(pollfd{watched.process.Fd(), POLLIN, 0});
                const int until = MillisecondsUntil(watched.deadline, now);
                timeout = timeout < 0 ? until : std::min(timeout, until);
            }
        }
        // Without an eventfd there is nothing to wake on: look again every so often instead.
        if (m_wakeFd < 0 && (timeout < 0 || timeout > 100)) {
            timeout = 100;
        }
        ::poll(fds.data(), fds.size(), timeout);
        if (fds[0].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t ignored = ::read(m_wakeFd, &count, sizeof count);
        }

        std::lock_guard lock(m_mutex);
        const Clock::time_point now = Clock::now();
        // Only this thread removes entries and Watch only appends, so the polled ones still
        // stand first, in the same order.
        std::size_t polled = fds.size() - 1;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < m_watched.size(); ++i) {
            Watched& watched = m_watched[i];
            const bool ended = i < polled && (fds[i + 1].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
            if (ended) {
                continue;
            }
            if (now >= watched.deadline) {
                // Through the pidfd: if it ended meanwhile this reaches nobody.
                watched.process.Signal(SIGKILL);
                continue;
            }
            if (kept != i) {
                m_watched[kept] = std::move(watched);
            }
            ++kept;
        }
        m_watched.resize(kept);
    }
}

}  // namespace quorvel
