#include "core/log/run_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorvel {

namespace {

std::string Failure(const char* what, const std::string& path)
{
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

}  // namespace

std::string CapRunLog(const std::string& path, std::int64_t limit)
{
    // O_NOFOLLOW: a symbolic link planted as log.txt must not make us empty the file it points to.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return Failure("cannot open", path);
    }
    std::string error;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = Failure("cannot read the size of", path);
    } else if (S_ISREG(info.st_mode) && info.st_size > limit && ::ftruncate(fd, 0) != 0) {
        error = Failure("cannot empty", path);
    }
    ::close(fd);
    return error;
}

void AppLog::Write(std::string_view) const {}

}  // namespace quorvel
