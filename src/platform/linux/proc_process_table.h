#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "core/executor/process_name_match.h"

namespace quorvel {

// Reads the running processes from a proc file system (normally /proc; a fixture tree in tests).
class ProcProcessTable {
public:
    explicit ProcProcessTable(std::string root = "/proc");

    // The process ids present now, in no particular order.
    std::vector<pid_t> ProcessIds() const;

    // The names of a live user process. Nothing for a process that is gone, that has ended but
    // was not reaped yet, or that is a kernel thread: there is nothing to end in those.
    std::optional<ProcessIdentity> Identity(pid_t pid) const;

private:
    std::string m_root;
};

}  // namespace quorvel
