#include "core/editor/program_value.h"

namespace quorvel {

ProgramAndParameters SplitProgramValue(std::string_view displayText, std::string_view programValue)
{
    if (displayText.empty()) {
        return {};
    }
    return SplitRunProgram(programValue);
}

std::string ExecutableFileName(std::string_view path)
{
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace quorvel
