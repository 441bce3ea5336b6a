#pragma once

#include <string>

namespace quorvel {

// The login name of the user running the program; empty when the system cannot tell.
std::string CurrentLoginName();

}  // namespace quorvel
