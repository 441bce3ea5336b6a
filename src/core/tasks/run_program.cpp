#include "core/tasks/run_program.h"

namespace quorvel {
namespace {

constexpr char kBar = '|';
constexpr std::string_view kJoint = " | ";

}  // namespace

ProgramAndParameters SplitRunProgram(std::string_view parameter)
{
    const auto bar = parameter.find(kBar);
    if (bar == std::string_view::npos) {
        // Never written so, but a hand-made line may hold just a program.
        return {std::string(parameter), {}};
    }
    // The writer puts one blank on each side of the bar; exactly that one character goes.
    const std::string_view before = parameter.substr(0, bar);
    const std::string_view after = parameter.substr(bar + 1);
    ProgramAndParameters result;
    result.program = before.substr(0, before.empty() ? 0 : before.size() - 1);
    result.parameters = after.empty() ? std::string() : std::string(after.substr(1));
    return result;
}

std::string JoinRunProgram(std::string_view program, std::string_view parameters)
{
    std::string joined(program);
    joined += kJoint;
    joined += parameters;
    return joined;
}

}  // namespace quorvel
