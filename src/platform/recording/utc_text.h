#pragma once

#include <chrono>
#include <string>

namespace quorvel {

// "YYYY-MM-DDTHH:MM:SSZ": how recorded requests show a moment in UTC.
std::string FormatUtc(std::chrono::sys_seconds utc);

}  // namespace quorvel
