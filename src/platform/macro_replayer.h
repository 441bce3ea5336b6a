#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace quorvel {

// Injects a recorded keyboard/mouse macro. Runs on a thread of its own and returns at once, so
// the user-interface thread stays free while the input plays.
class MacroReplayer {
public:
    virtual ~MacroReplayer() = default;

    // `lines` are the macro file's lines as the caller loaded them from `file`; line 0 names the
    // program to open first and is not replayed (the caller opens it). The events start after
    // `leadIn`, giving that program time to show its window.
    virtual void ReplayMacro(const std::string& file, std::vector<std::string> lines,
                             std::chrono::milliseconds leadIn) = 0;
};

}  // namespace quorvel
