#include "platform/recording/recording_auto_logon.h"

namespace quorvel {

RecordingAutoLogon::RecordingAutoLogon(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingAutoLogon::EnableAutoLogon(const std::string& userName, const std::string& password)
{
    m_log->Record("EnableAutoLogon", {userName});
    m_settings = AutoLogonSettings{true, userName, password};
}

void RecordingAutoLogon::DisableAutoLogon()
{
    m_log->Record("DisableAutoLogon");
    m_settings.enabled = false;
}

}  // namespace quorvel
