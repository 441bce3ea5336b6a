#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

inline constexpr const char* kTaskFileName = "task.dat";

// The path of task.dat in dataDir.
std::string TaskFilePath(const std::string& dataDir);

// The lines of task.dat in dataDir, in file order; nothing when the file does not exist.
// Accepts CR LF, LF and CR line ends, and a last line without one; bytes are kept as stored.
// A file that exists but cannot be read also gives nothing, and then `error` (when given) says
// why, so that a caller can tell it from a missing file and not save over tasks it never saw.
// `error` is cleared otherwise.
std::optional<std::vector<std::string>> LoadTaskFile(const std::string& dataDir,
                                                     std::string* error = nullptr);

// The text of task.dat as read, and its lines as views into it.
struct TaskFileText {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    std::vector<std::string_view> lines;
};

// The same as LoadTaskFile, without a copy of each line: for a reader that keeps the file's text.
std::optional<TaskFileText> LoadTaskFileText(const std::string& dataDir, std::string* error = nullptr);

// Writes every line, each ended by CR LF, replacing task.dat atomically (user-only mode for a new
// file). Returns an empty string on success, else what failed; the old file is then untouched.
// A line holding CR or LF is refused, as it would come back as more than one task.
std::string SaveTaskFile(const std::string& dataDir, const std::vector<std::string>& taskLines);

}  // namespace quorvel
