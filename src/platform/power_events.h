#pragma once

#include <functional>

namespace quorvel {

enum class ResumeKind {
    Automatic,      // every resume is first reported as this
    WithUserInput,  // the user has touched the machine since it resumed
};

// Tells the program that the computer came back from sleep.
class PowerEvents {
public:
    virtual ~PowerEvents() = default;

    // Called on the user-interface thread.
    virtual void SetResumeHandler(std::function<void(ResumeKind)> resumed) = 0;

    // True when the last resume was caused by our wake timer and nobody has used the machine
    // since; then it should be kept awake for the task that woke it.
    virtual bool IsSystemResumeAutomatic() const = 0;
};

}  // namespace quorvel
