#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace quorvel::testing_support {

// A process the test starts itself, so that ending processes by name has targets of its own. The
// caller picks names no foreign process has (they carry the test's process id). Whatever is still
// running at the end is killed and reaped: it is the test's own child.
class SpawnedProcess {
public:
    // Runs `path` with `arguments` once it has exec'd, that is once the kernel names it
    // `shortName` (its file name, cut to 15 characters).
    SpawnedProcess(const std::string& path, const std::vector<std::string>& arguments,
                   bool ignoreTerm = false)
    {
        std::vector<std::string> argv = {path};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        std::vector<char*> raw;
        for (std::string& argument : argv) {
            raw.push_back(argument.data());
        }
        raw.push_back(nullptr);
        m_pid = ::fork();
        if (m_pid == 0) {
            // Only async-signal-safe calls between fork and exec.
            if (ignoreTerm) {
                ::signal(SIGTERM, SIG_IGN);
            }
            ::execv(path.c_str(), raw.data());
            ::_exit(127);
        }
        const std::string name = path.substr(path.find_last_of('/') + 1);
        WaitForShortName(name.substr(0, 15));
    }

    ~SpawnedProcess()
    {
        if (m_pid > 0 && !m_reaped) {
            ::kill(m_pid, SIGKILL);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }
    SpawnedProcess(const SpawnedProcess&) = delete;
    SpawnedProcess& operator=(const SpawnedProcess&) = delete;

    pid_t Pid() const { return m_pid; }
    bool Started() const { return m_started; }

    // True while it has not ended.
    bool Running()
    {
        Reap(WNOHANG);
        return !m_reaped;
    }

    // Waits up to `timeout` for it to end; true when it did.
    bool WaitForExit(std::chrono::milliseconds timeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (Running()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    // The signal that ended it, 0 when it exited by itself or still runs.
    int EndingSignal() const { return m_signal; }

private:
    void WaitForShortName(const std::string& expected)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (m_pid > 0 && std::chrono::steady_clock::now() < deadline) {
            std::ifstream comm("/proc/" + std::to_string(m_pid) + "/comm");
            std::string name;
            std::getline(comm, name);
            if (name == expected) {
                m_started = true;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    void Reap(int options)
    {
        if (m_pid <= 0 || m_reaped) {
            return;
        }
        int status = 0;
        if (::waitpid(m_pid, &status, options) == m_pid) {
            m_reaped = true;
            m_signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        }
    }

    pid_t m_pid = -1;
    bool m_started = false;
    bool m_reaped = false;
    int m_signal = 0;
};

}  // namespace quorvel::testing_support
