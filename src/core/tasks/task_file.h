#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

inline constexpr const char* kTaskFileName = "task.dat";

// The lines of task.dat in dataDir, in file order; nothing when the file does not exist.
// Accepts CR LF, LF and CR line ends; bytes are kept as stored.
std::optional<std::vector<std::string>> LoadTaskFile(const std::string& dataDir);

// Writes every line, each ended by CR LF, replacing task.dat atomically (user-only mode for a new
// file). Returns an empty string on success, else what failed.
std::string SaveTaskFile(const std::string& dataDir, const std::vector<std::string>& taskLines);

}  // namespace quorvel
