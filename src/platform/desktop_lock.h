#pragma once

namespace quorvel {

class DesktopLock {
public:
    virtual ~DesktopLock() = default;

    // True when a lock request was sent; false when this desktop offers no way to lock.
    virtual bool LockDesktop() = 0;
};

}  // namespace quorvel
