#pragma once

#include <QTextStream>

#include "app/command_line.h"
#include "platform/local_clock.h"

namespace quorvel {

// --list: prints the schedule of task.dat, dated and ordered at `options.listAt` (else at
// `clock`) exactly as the task list would show it, one line per task, in the language and time
// format the program would start with. Starts no window, takes no
// lock and writes no file, not even the data folder. Returns the exit code: 0, or 1 with a message
// on `err` when task.dat exists but cannot be read.
int RunListCommand(const CommandLineOptions& options, QTextStream& out, QTextStream& err,
                   const LocalClock& clock);

}  // namespace quorvel
