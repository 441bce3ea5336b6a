#pragma once

#include <sys/types.h>

namespace quorvel {

// A pidfd: a handle on one particular process. Signals sent through it reach that process or
// nobody, even once its process id has been handed to another process.
class PidfdHandle {
public:
    PidfdHandle() = default;
    ~PidfdHandle();
    PidfdHandle(PidfdHandle&& other) noexcept;
    PidfdHandle& operator=(PidfdHandle&& other) noexcept;
    PidfdHandle(const PidfdHandle&) = delete;
    PidfdHandle& operator=(const PidfdHandle&) = delete;

    // Invalid when the process is gone or the kernel has no pidfds (errno tells which).
    static PidfdHandle Open(pid_t pid);

    bool Valid() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }

    // False when the process has ended or the signal is not allowed (errno is set).
    bool Signal(int signal) const;

    // True once the process has ended (also while its parent has not reaped it yet).
    bool HasExited() const;

private:
    explicit PidfdHandle(int fd) : m_fd(fd) {}

    int m_fd = -1;
};

}  // namespace quorvel
