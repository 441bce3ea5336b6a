#pragma once

#include <string>

namespace quorvel {

// Starts programs and opens documents and addresses. Returns at once; whether the program ran is
// not known to the caller, and nothing goes through a shell.
class Launcher {
public:
    virtual ~Launcher() = default;

    // `parameters` is split like a command line; empty means none.
    virtual void StartProgram(const std::string& program, const std::string& parameters) = 0;

    // Opens a file, folder or URL with the user's default handler, trying a second opener when
    // the first refuses the target.
    virtual void ShellOpen(const std::string& target) = 0;
};

}  // namespace quorvel
