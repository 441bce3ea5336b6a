#pragma once

#include <string>
#include <string_view>

#include "core/tasks/run_program.h"

namespace quorvel {

// What a fired task acts on: the text after the first ":" of an action field, or the whole field
// when it has none (a hand-made field without its prefix still names its target).
std::string ActionValue(std::string_view field);

// The program and parameters of a RunProgram value "path | parameters". A value without "|" has
// no program, so nothing is started for it.
ProgramAndParameters SplitProgramValue(std::string_view value);

}  // namespace quorvel
