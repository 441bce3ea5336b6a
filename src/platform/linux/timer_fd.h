#pragma once

#include <time.h>

#include <chrono>

namespace quorvel {

// One Linux timer file descriptor: readable once its due time has passed. Free of Qt so the wake
// helper can use it too.
class TimerFd {
public:
    // Invalid with `error` set to the errno when the clock is refused, for instance EPERM for a
    // waking clock without the right to wake the machine.
    static TimerFd Create(clockid_t clock, int& error);

    TimerFd() = default;
    TimerFd(TimerFd&& other) noexcept;
    TimerFd& operator=(TimerFd&& other) noexcept;
    TimerFd(const TimerFd&) = delete;
    TimerFd& operator=(const TimerFd&) = delete;
    ~TimerFd();

    bool IsValid() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }

    // Each replaces the due time set before. A moment already past fires at once. False with
    // errno set when the kernel refuses.
    bool ArmAt(std::chrono::sys_seconds due);
    bool ArmAfter(std::chrono::seconds delay);
    bool Disarm();

    // Clears the readable state after the descriptor became readable; true when the timer had
    // expired (a poll may also report a descriptor whose expiry was just replaced).
    bool ConsumeExpiry();

private:
    explicit TimerFd(int fd) : m_fd(fd) {}
    bool Set(int flags, const timespec& value);

    int m_fd = -1;
};

}  // namespace quorvel
