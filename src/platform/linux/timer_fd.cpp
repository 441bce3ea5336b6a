#include "platform/linux/timer_fd.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>

namespace quorvel {

TimerFd TimerFd::Create(clockid_t clock, int& error)
{
    const int fd = timerfd_create(clock, TFD_NONBLOCK | TFD_CLOEXEC);
    error = fd < 0 ? errno : 0;
    return TimerFd(fd);
}

TimerFd::TimerFd(TimerFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

TimerFd& TimerFd::operator=(TimerFd&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0) {
            close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

TimerFd::~TimerFd()
{
    if (m_fd >= 0) {
        close(m_fd);
    }
}

bool TimerFd::ArmAt(std::chrono::sys_seconds due)
{
    // An all-zero value would disarm instead of firing at once.
    const auto seconds = due.time_since_epoch().count();
    const timespec value{seconds > 0 ? static_cast<time_t>(seconds) : 0, seconds > 0 ? 0 : 1};
    return Set(TFD_TIMER_ABSTIME, value);
}

bool TimerFd::ArmAfter(std::chrono::seconds delay)
{
    const auto seconds = delay.count();
    const timespec value{seconds > 0 ? static_cast<time_t>(seconds) : 0, seconds > 0 ? 0 : 1};
    return Set(0, value);
}

bool TimerFd::Disarm()
{
    return Set(0, timespec{0, 0});
}

bool TimerFd::Set(int flags, const timespec& value)
{
    itimerspec setting{};
    setting.it_value = value;
    return timerfd_settime(m_fd, flags, &setting, nullptr) == 0;
}

bool TimerFd::ConsumeExpiry()
{
    std::uint64_t expirations = 0;
    ssize_t got = 0;
    do {
        got = read(m_fd, &expirations, sizeof expirations);
    } while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof expirations) && expirations > 0;
}

}  // namespace quorvel
