#include "platform/linux/linux_process_control.h"

#include <unistd.h>

#include <csignal>

namespace quorvel {

LinuxProcessControl::LinuxProcessControl(std::chrono::milliseconds grace, std::string procRoot)
    : m_processes(std::move(procRoot)), m_graceKiller(grace)
{
}

bool LinuxProcessControl::KillTask(const std::string& name)
{
    const pid_t self = ::getpid();
    bool lastAttempt = false;
    for (const pid_t pid : m_processes.ProcessIds()) {
        if (pid == self) {
            continue;
        }
        const std::optional<ProcessIdentity> seen = m_processes.Identity(pid);
        if (!seen || !ProcessMatchesName(*seen, name)) {
            continue;
        }
        PidfdHandle process = PidfdHandle::Open(pid);
        if (!process.Valid()) {
            continue;  // ended meanwhile (or no pidfds: then nothing is signalled by bare id)
        }
        // The id may have passed to a new process between the scan and the open: look again at
        // whichever process the handle now holds. Should even that one end and its id be reused
        // before the signal, the signal reaches nobody.
        const std::optional<ProcessIdentity> held = m_processes.Identity(pid);
        if (!held || !ProcessMatchesName(*held, name)) {
            continue;
        }
        lastAttempt = process.Signal(SIGTERM);
        if (lastAttempt) {
            m_graceKiller.Watch(std::move(process));
        }
    }
    return lastAttempt;
}

}  // namespace quorvel
