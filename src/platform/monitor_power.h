#pragma once

namespace quorvel {

class MonitorPower {
public:
    virtual ~MonitorPower() = default;

    // Does nothing where the display server offers no way to switch the display off.
    virtual void TurnMonitorOff() = 0;
};

}  // namespace quorvel
