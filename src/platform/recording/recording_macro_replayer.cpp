#include "platform/recording/recording_macro_replayer.h"

namespace quorvel {

RecordingMacroReplayer::RecordingMacroReplayer(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

void RecordingMacroReplayer::ReplayMacro(const std::string& file, std::vector<std::string>,
                                         std::chrono::milliseconds)
{
    m_log->Record("ReplayMacro", {file});
}

}  // namespace quorvel
