#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Replaces the file at `path` with `contents` so that a crash or power cut leaves either the old
// file or the new one: the bytes go to a temporary file in the same folder, are flushed to disk,
// and the temporary file is renamed over the old one. New files are created with `mode`.
// Returns an empty string on success, else a description of what failed.
std::string WriteFileAtomically(const std::string& path, std::string_view contents, unsigned mode = 0600);

// Reads a whole file as bytes. False when it cannot be opened (for instance it does not exist).
bool ReadWholeFile(const std::string& path, std::string& contents);

}  // namespace quorvel
