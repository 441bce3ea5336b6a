#pragma once

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/linux/pidfd_handle.h"

namespace quorvel {

// Gives processes that were asked to end a grace period to save their work, then kills those
// still running. Waits on a thread of its own, so the caller never blocks on a slow process.
class GraceKiller {
public:
    explicit GraceKiller(std::chrono::milliseconds grace);
    // Processes still within their grace are left running: cutting the grace short at exit could
    // cost them the data they are saving.
    ~GraceKiller();
    GraceKiller(const GraceKiller&) = delete;
    GraceKiller& operator=(const GraceKiller&) = delete;

    // `process` has just been sent SIGTERM; it gets SIGKILL unless it ends within the grace.
    void Watch(PidfdHandle process);

private:
    struct Watched {
        PidfdHandle process;
        std::chrono::steady_clock::time_point deadline;
    };

    void Run();
    void Wake() const;

    const std::chrono::milliseconds m_grace;
    int m_wakeFd;
    std::mutex m_mutex;
    std::vector<Watched> m_watched;
    bool m_stopping = false;
    std::thread m_thread;
};

}  // namespace quorvel
