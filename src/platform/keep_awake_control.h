#pragma once

namespace quorvel {

// Holds the computer awake after an automatic wake, so a power-on task is not undone by the idle
// timer. The display is switched on once; it may still turn off by its own timer.
class KeepAwakeControl {
public:
    virtual ~KeepAwakeControl() = default;

    // Holds until ClearKeepAwake; a second call while held changes nothing.
    virtual void KeepAwake() = 0;
    virtual void ClearKeepAwake() = 0;
};

}  // namespace quorvel
