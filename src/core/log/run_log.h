#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// The run log keeps no history: start-up only makes sure the file exists and stops it from
// growing past this many bytes.
inline constexpr std::int64_t kRunLogLimit = 10240;

// Creates `path` empty when it is missing; empties it when it holds more than `limit` bytes.
// Returns an empty string on success, else what failed (the file is then left as it was).
std::string CapRunLog(const std::string& path, std::int64_t limit = kRunLogLimit);

// The run log's single entry point. It records nothing on purpose, so log.txt stays as start-up
// left it; callers still pass their lines so a real log can be switched in here alone.
class AppLog {
public:
    void Write(std::string_view line) const;
};

}  // namespace quorvel
