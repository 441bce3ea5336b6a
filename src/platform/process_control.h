#pragma once

#include <string>

namespace quorvel {

class ProcessControl {
public:
    virtual ~ProcessControl() = default;

    // Ends every running process whose executable name matches `name`, ignoring the letter case
    // of a to z; `name` may be a bare file name or a full path. True when the last attempt to end
    // a matching process succeeded, false when none matched.
    virtual bool KillTask(const std::string& name) = 0;
};

}  // namespace quorvel
