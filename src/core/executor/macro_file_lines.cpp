#include "core/executor/macro_file_lines.h"

#include "core/io/atomic_file.h"

namespace quorvel {

std::optional<std::vector<std::string>> ReadMacroFileLines(const std::string& path)
{
    std::string contents;
    if (!ReadWholeFile(path, contents)) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const char c = contents[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace quorvel
