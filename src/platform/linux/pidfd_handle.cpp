#include "platform/linux/pidfd_handle.h"

#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <utility>

namespace quorvel {

PidfdHandle::~PidfdHandle()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

PidfdHandle::PidfdHandle(PidfdHandle&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

PidfdHandle& PidfdHandle::operator=(PidfdHandle&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

PidfdHandle PidfdHandle::Open(pid_t pid)
{
    // Through syscall() because older C libraries have no wrappers; pidfds are closed on exec.
    const long fd = ::syscall(SYS_pidfd_open, pid, 0);
    return PidfdHandle(fd < 0 ? -1 : static_cast<int>(fd));
}

bool PidfdHandle::Signal(int signal) const
{
    return m_fd >= 0 && ::syscall(SYS_pidfd_send_signal, m_fd, signal, nullptr, 0) == 0;
}

bool PidfdHandle::HasExited() const
{
    if (m_fd < 0) {
        return true;
    }
    pollfd entry{m_fd, POLLIN, 0};
    return ::poll(&entry, 1, 0) > 0 && (entry.revents & (POLLIN | POLLHUP | POLLERR)) != 0;
}

}  // namespace quorvel
