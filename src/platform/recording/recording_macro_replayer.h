#pragma once

#include <memory>

#include "platform/macro_replayer.h"
#include "platform/recording/request_log.h"

namespace quorvel {

class RecordingMacroReplayer final : public MacroReplayer {
public:
    explicit RecordingMacroReplayer(std::shared_ptr<RequestLog> log);

    void ReplayMacro(const std::string& file, std::vector<std::string> lines,
                     std::chrono::milliseconds leadIn) override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
