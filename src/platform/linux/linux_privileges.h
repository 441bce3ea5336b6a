#pragma once

#include "platform/privileges.h"

namespace quorvel {

// Linux has no per-process rights to switch on: polkit decides per request. Both succeed.
class LinuxPrivileges final : public Privileges {
public:
    bool EnableDebugPrivilege() override { return true; }
    bool EnabledDebugPrivilege(bool) override { return true; }
};

}  // namespace quorvel
