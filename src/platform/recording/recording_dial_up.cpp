#include "platform/recording/recording_dial_up.h"

namespace quorvel {

RecordingDialUp::RecordingDialUp(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

bool RecordingDialUp::CreatePhonebookEntry()
{
    m_log->Record("CreatePhonebookEntry");
    return m_createResult;
}

void RecordingDialUp::DialConnection(const std::string& entry, const std::string&, const std::string&)
{
    m_log->Record("DialConnection", {entry});
}

}  // namespace quorvel
