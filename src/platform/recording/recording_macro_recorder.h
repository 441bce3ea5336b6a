#pragma once

#include <memory>

#include "platform/macro_recorder.h"
#include "platform/recording/request_log.h"

namespace quorvel {

// Watches nothing; a test plays input events with Report. HookOn answers Started unless told
// otherwise.
class RecordingMacroRecorder final : public MacroRecorder {
public:
    explicit RecordingMacroRecorder(std::shared_ptr<RequestLog> log);

    HookResult HookOn(std::function<void(const RecordedInput&)> report) override;
    void HookOff() override;

    void SetHookOnResult(HookResult result) { m_result = result; }

    // Passes the event to the handler while hooked, on the calling thread.
    void Report(const RecordedInput& input) const;

private:
    std::shared_ptr<RequestLog> m_log;
    std::function<void(const RecordedInput&)> m_report;
    HookResult m_result = HookResult::Started;
};

}  // namespace quorvel
