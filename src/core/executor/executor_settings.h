#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// Reads a macro file's lines; nothing when the file cannot be read.
using MacroLineLoader = std::function<std::optional<std::vector<std::string>>(const std::string& file)>;

// What carrying out an action needs to know beyond the task itself.
struct ExecutorSettings {
    bool autoConnect = false;   // the dial-up window's "Auto Connect": dial before opening an address
    MacroLineLoader loadMacro;  // empty: no macro file can be read
};

}  // namespace quorvel
