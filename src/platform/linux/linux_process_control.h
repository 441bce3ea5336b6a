#pragma once

#include <chrono>
#include <string>

#include "platform/linux/grace_killer.h"
#include "platform/linux/proc_process_table.h"
#include "platform/process_control.h"

namespace quorvel {

// Ends processes by name through /proc and pidfds: SIGTERM first, SIGKILL after a grace for
// those that are still there. Never ends its own process.
class LinuxProcessControl final : public ProcessControl {
public:
    explicit LinuxProcessControl(std::chrono::milliseconds grace = std::chrono::seconds(2),
                                 std::string procRoot = "/proc");

    // True when the SIGTERM to the last matching process was delivered; false when none matched.
    // Returns without waiting for the processes to end.
    bool KillTask(const std::string& name) override;

private:
    ProcProcessTable m_processes;
    GraceKiller m_graceKiller;
};

}  // namespace quorvel
