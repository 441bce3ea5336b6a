#pragma once

namespace quorvel {

// Whether shutting down with a power-on task pending should hibernate rather than suspend.
// `rtcWakeState` is the deepest system power state the clock can wake from, numbered from awake
// (1) to soft-off (6) with suspend to RAM as 4: hibernating is only safe when the clock can wake
// the machine from hibernation, otherwise the task would never run.
bool HibernatesForWake(int rtcWakeState);

}  // namespace quorvel
