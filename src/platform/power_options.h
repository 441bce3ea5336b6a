#pragma once

namespace quorvel {

class PowerOptions {
public:
    virtual ~PowerOptions() = default;

    // Opens the desktop's own power settings window and returns without waiting for it.
    virtual void OpenPowerOptions() = 0;
};

}  // namespace quorvel
