#include "core/io/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace quorvel {
namespace {

std::string ErrnoText(const char* what, const std::string& path)
{
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view contents, unsigned mode)
{
    // Keep the mode of an existing file; a new one gets the caller's (user-only by default).
    struct stat existing {};
    const mode_t fileMode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : mode;

    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return ErrnoText("cannot create a temporary file beside", path);
    }
    const auto fail = [&](const char* what) {
        std::string text = ErrnoText(what, temp);
        ::close(fd);
        ::unlink(temp.c_str());
        return text;
    };
    if (::fchmod(fd, fileMode) != 0) {
        return fail("cannot set the mode of");
    }
    if (!WriteAll(fd, contents)) {
        return fail("cannot write");
    }
    if (::fsync(fd) != 0) {
        return fail("cannot flush");
    }
    if (::close(fd) != 0) {
        std::string text = ErrnoText("cannot close", temp);
        ::unlink(temp.c_str());
        return text;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        std::string text = ErrnoText("cannot replace", path);
        ::unlink(temp.c_str());
        return text;
    }
    // The rename itself must reach the disk too, or a power cut could bring the old name back.
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

bool ReadWholeFile(const std::string& path, std::string& contents)
{
    // Plain read() so that a failing disk or a folder in the file's place is an error rather than
    // an empty file: a caller that took it for one could save over the real contents.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return false;
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            data.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    contents = std::move(data);
    return true;
}

}  // namespace quorvel
