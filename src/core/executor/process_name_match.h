#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// The names a running process goes by.
struct ProcessIdentity {
    std::string executable;     // the program file it runs, full path; empty when unknown
    std::string firstArgument;  // argv[0] as it was started (may be a bare name or a Windows path)
    std::string shortName;      // the kernel's command name: the program's file name, cut to 15
};

inline constexpr std::size_t kShortNameLength = 15;

// Whether a process ending by `name` (a task's Close Program value) is meant: `name`, or `name`
// without a ".exe" ending, equals the file name or the whole of its executable or first argument,
// or its first 15 characters equal the short name. Letter case counts only outside a to z. A
// short name that is just the cut-off of a longer executable or first-argument name does not
// match on its own: that longer name has already said no. An empty name matches nothing.
bool ProcessMatchesName(const ProcessIdentity& process, std::string_view name);

}  // namespace quorvel
