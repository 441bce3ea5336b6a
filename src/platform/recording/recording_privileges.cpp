#include "platform/recording/recording_privileges.h"

namespace quorvel {

RecordingPrivileges::RecordingPrivileges(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

bool RecordingPrivileges::EnableDebugPrivilege()
{
    m_log->Record("EnableDebugPrivilege");
    return true;
}

bool RecordingPrivileges::EnabledDebugPrivilege(bool enable)
{
    m_log->Record("EnabledDebugPrivilege", {enable ? "1" : "0"});
    return true;
}

}  // namespace quorvel
