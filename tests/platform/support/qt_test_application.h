#pragma once

namespace quorvel {

// D-Bus signals, socket notifiers and child processes need a Qt application with an event
// loop; the first call makes one that lives until the test program ends.
void EnsureQtApplication();

}  // namespace quorvel
