#pragma once

namespace quorvel {

// System power states from awake to off; a larger number is a deeper state.
enum class SystemPowerState : int {
    Unspecified = 0,
    Working = 1,
    Sleeping1 = 2,
    Sleeping2 = 3,
    Sleeping3 = 4,  // suspend to RAM
    Hibernate = 5,
    Shutdown = 6,  // soft-off
};

// What the machine can do. Read fresh on each call: capabilities change when swap or the
// firmware settings do.
class PowerCapabilities {
public:
    virtual ~PowerCapabilities() = default;

    // The deepest state the real-time clock can wake the computer from.
    virtual SystemPowerState RtcWake() const = 0;
    virtual bool CanSuspend() const = 0;
    virtual bool CanHibernate() const = 0;
};

}  // namespace quorvel
