#include "core/tasks/task_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

#include "core/io/atomic_file.h"

namespace quorvel {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kMinimumReadSize = 8192;

enum class ReadOutcome { Read, Missing, Failed };

// Like ReadWholeFile, but keeps "not there" apart from "there and unreadable".
ReadOutcome ReadBytes(const std::string& path, TaskFileText& contents, std::string& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return ReadOutcome::Missing;
        }
        error = "cannot open " + path + ": " + std::strerror(errno);
        return ReadOutcome::Failed;
    }
    // Sized from the file as it stands, so that the whole of it comes in with one read; one byte
    // more lets the next read see the end without growing. A file that grows meanwhile is still
    // read to its end.
    struct stat info {};
    std::size_t expected = 0;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        expected = static_cast<std::size_t>(info.st_size);
    }
    std::size_t capacity = std::max<std::size_t>(expected + 1, kMinimumReadSize);
    contents.bytes = std::make_unique_for_overwrite<char[]>(capacity);
    contents.size = 0;
    for (;;) {
        if (contents.size == capacity) {
            capacity *= 2;
            auto larger = std::make_unique_for_overwrite<char[]>(capacity);
            std::memcpy(larger.get(), contents.bytes.get(), contents.size);
            contents.bytes = std::move(larger);
        }
        const ssize_t n = ::read(fd, contents.bytes.get() + contents.size, capacity - contents.size);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = "cannot read " + path + ": " + std::strerror(errno);
            ::close(fd);
            return ReadOutcome::Failed;
        }
        contents.size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return ReadOutcome::Read;
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    // find_first_of tests every byte against the set with a call of its own; two single-byte
    // searches, each resumed only once passed, keep the split linear and fast.
    std::size_t nextCr = text.find('\r');
    std::size_t nextLf = text.find('\n');
    std::size_t start = 0;
    while (start < text.size()) {
        if (nextCr != std::string_view::npos && nextCr < start) {
            nextCr = text.find('\r', start);
        }
        if (nextLf != std::string_view::npos && nextLf < start) {
            nextLf = text.find('\n', start);
        }
        const auto end = std::min(nextCr, nextLf);
        if (end == std::string_view::npos) {
            // The last line may lack its line end.
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
    return lines;
}

}  // namespace

std::string TaskFilePath(const std::string& dataDir)
{
    if (dataDir.empty()) {
        return kTaskFileName;
    }
    return dataDir.back() == '/' ? dataDir + kTaskFileName : dataDir + "/" + kTaskFileName;
}

std::optional<std::vector<std::string>> LoadTaskFile(const std::string& dataDir, std::string* error)
{
    std::optional<TaskFileText> text = LoadTaskFileText(dataDir, error);
    if (!text) {
        return std::nullopt;
    }
    return std::vector<std::string>(text->lines.begin(), text->lines.end());
}

std::optional<TaskFileText> LoadTaskFileText(const std::string& dataDir, std::string* error)
{
    TaskFileText contents;
    std::string failure;
    const ReadOutcome outcome = ReadBytes(TaskFilePath(dataDir), contents, failure);
    if (error != nullptr) {
        *error = failure;
    }
    if (outcome != ReadOutcome::Read) {
        return std::nullopt;
    }
    contents.lines = SplitLines({contents.bytes.get(), contents.size});
    return contents;
}

std::string SaveTaskFile(const std::string& dataDir, const std::vector<std::string>& taskLines)
{
    std::string contents;
    for (std::size_t i = 0; i < taskLines.size(); ++i) {
        const std::string& line = taskLines[i];
        if (line.find_first_of("\r\n") != std::string::npos) {
            return "task " + std::to_string(i + 1) + " holds a line break and cannot be saved";
        }
        contents += line;
        contents += kLineEnd;
    }
    return WriteFileAtomically(TaskFilePath(dataDir), contents, 0600);
}

}  // namespace quorvel
