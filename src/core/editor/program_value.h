#pragma once

#include <string>
#include <string_view>

#include "core/tasks/run_program.h"

namespace quorvel {

// The program chooser's two boxes for the editor's Launch Program texts: both empty when the
// display text is empty, otherwise the program value split as a stored RunProgram value is (at
// its first bar, less the blank on each side). A value without a bar is all program, so a
// hand-made "Run Program:/usr/bin/x" opens showing that program and no parameters.
ProgramAndParameters SplitProgramValue(std::string_view displayText, std::string_view programValue);

// The Terminate Process picker's text for a chosen file: its name without the folder, cut after
// the last "/" or "\" (a task file may come from the other platform).
std::string ExecutableFileName(std::string_view path);

}  // namespace quorvel
