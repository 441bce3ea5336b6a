#pragma once

#include "app/start_up.h"

namespace quorvel {

// Runs the tray program once the command line and DataDir are settled: one copy per user, the main
// window and its tray icon, then the event loop. Needs the QApplication; returns the exit code.
int RunTrayProgram(const StartUp& startUp);

}  // namespace quorvel
