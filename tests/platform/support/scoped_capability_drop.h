#pragma once

#include <linux/capability.h>

#include <initializer_list>

namespace quorvel {

// Takes capabilities out of this thread's effective set and puts them back at the end of the
// scope, so a test running as root can see what an ordinary user would. Dropped() is false
// where the process did not have them to begin with.
class ScopedEffectiveCapabilityDrop {
public:
    explicit ScopedEffectiveCapabilityDrop(std::initializer_list<int> capabilities);
    ~ScopedEffectiveCapabilityDrop();
    ScopedEffectiveCapabilityDrop(const ScopedEffectiveCapabilityDrop&) = delete;
    ScopedEffectiveCapabilityDrop& operator=(const ScopedEffectiveCapabilityDrop&) = delete;

    bool Dropped() const { return m_dropped; }

private:
    __user_cap_data_struct m_saved[2] = {};
    bool m_dropped = false;
};

// For a child process before it starts its program: takes the capability out of the bounding
// set, so not even a program run as root or with file capabilities gets it.
void DropFromBoundingSet(int capability);

}  // namespace quorvel
