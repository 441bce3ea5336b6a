#pragma once

#include <string>

#include "platform/launcher.h"

namespace quorvel {

// Starts programs directly (never through a shell) and opens files and addresses with the
// desktop's opener, xdg-open, falling back to gio where xdg-open cannot be started.
class LinuxLauncher final : public Launcher {
public:
    // The parameters are split like a command line but nothing in them is expanded or run; a
    // text with an unclosed quote starts nothing.
    void StartProgram(const std::string& program, const std::string& parameters) override;

    void ShellOpen(const std::string& target) override;
};

}  // namespace quorvel
