#pragma once

#include <string>
#include <string_view>

namespace quorvel {

struct ProgramAndParameters {
    std::string program;
    std::string parameters;
};

// Splits the parameter of a RunProgram field ("path | params") at its first "|".
ProgramAndParameters SplitRunProgram(std::string_view parameter);

// The inverse: program, " | ", parameters.
std::string JoinRunProgram(std::string_view program, std::string_view parameters);

}  // namespace quorvel
