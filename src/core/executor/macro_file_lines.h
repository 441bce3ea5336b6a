#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// The lines of a macro file as stored (bytes, line ends removed; a last line end adds no empty
// line). Lines may end in CR LF, LF or CR. Nothing when the file cannot be read.
std::optional<std::vector<std::string>> ReadMacroFileLines(const std::string& path);

}  // namespace quorvel
