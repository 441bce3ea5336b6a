#pragma once

#include <memory>

#include "platform/privileges.h"
#include "platform/recording/request_log.h"

namespace quorvel {

// Every privilege step succeeds.
class RecordingPrivileges final : public Privileges {
public:
    explicit RecordingPrivileges(std::shared_ptr<RequestLog> log);

    bool EnableDebugPrivilege() override;
    bool EnabledDebugPrivilege(bool enable) override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
