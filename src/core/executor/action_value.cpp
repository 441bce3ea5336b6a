#include "core/executor/action_value.h"

namespace quorvel {

std::string ActionValue(std::string_view field)
{
    const auto colon = field.find(':');
    return std::string(colon == std::string_view::npos ? field : field.substr(colon + 1));
}

ProgramAndParameters SplitProgramValue(std::string_view value)
{
    if (value.find('|') == std::string_view::npos) {
        return {};
    }
    return SplitRunProgram(value);
}

}  // namespace quorvel
