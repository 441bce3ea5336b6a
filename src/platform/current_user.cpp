#include "platform/current_user.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace quorvel {

std::string CurrentLoginName()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return found->pw_name;
    }
    // Users known only to a directory service the C library cannot reach still have $USER.
    const char* user = std::getenv("USER");
    return user != nullptr ? user : "";
}

}  // namespace quorvel
