#pragma once

namespace quorvel {

// Sends the computer to sleep at once. Callers that must finish their own work first (a reminder
// closing, a rebuild) defer the call themselves.
class SleepControl {
public:
    virtual ~SleepControl() = default;

    virtual void Suspend() = 0;
    virtual void Hibernate() = 0;
};

}  // namespace quorvel
