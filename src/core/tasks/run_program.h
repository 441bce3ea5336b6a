#pragma once

#include <string>
#include <string_view>

namespace quorvel {

struct ProgramAndParameters {
    std::string program;
    std::string parameters;
};

// Splits the parameter of a RunProgram field ("path | params") at its first "|": the program is
// the text before it less its last character, the parameters the text after it less its first.
// Without a bar the whole text is the program and there are no parameters.
ProgramAndParameters SplitRunProgram(std::string_view parameter);

// The inverse: program, " | ", parameters.
std::string JoinRunProgram(std::string_view program, std::string_view parameters);

}  // namespace quorvel
