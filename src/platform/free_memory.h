#pragma once

namespace quorvel {

// Hands memory the allocator keeps in reserve back to the system, so a tray program that idles
// for days stays small after a rebuild of many tasks.
void ReturnFreeMemoryToSystem();

}  // namespace quorvel
