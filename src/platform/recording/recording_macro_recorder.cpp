#include "platform/recording/recording_macro_recorder.h"

namespace quorvel {

RecordingMacroRecorder::RecordingMacroRecorder(std::shared_ptr<RequestLog> log) : m_log(std::move(log)) {}

HookResult RecordingMacroRecorder::HookOn(std::function<void(const RecordedInput&)> report)
{
    m_log->Record("HookOn");
    if (m_result == HookResult::Started) {
        m_report = std::move(report);
    }
    return m_result;
}

void RecordingMacroRecorder::HookOff()
{
    m_log->Record("HookOff");
    m_report = nullptr;
}

void RecordingMacroRecorder::Report(const RecordedInput& input) const
{
    if (m_report) {
        m_report(input);
    }
}

}  // namespace quorvel
