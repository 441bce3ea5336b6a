#pragma once

#include <functional>
#include <memory>

class QObject;

namespace quorvel {

// The one-second timer of a reminder window, behind an interface so a test can tick it by hand.
class CountdownTimer {
public:
    virtual ~CountdownTimer() = default;

    // Calls `onTick` once a second until Stop.
    virtual void Start(std::function<void()> onTick) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

// Makes the timer of one reminder window, a child of `owner`.
using CountdownTimerFactory = std::function<std::unique_ptr<CountdownTimer>(QObject& owner)>;

// The real one: a 1000 ms QTimer named "Timer1".
std::unique_ptr<CountdownTimer> MakeQtCountdownTimer(QObject& owner);

}  // namespace quorvel
