#pragma once

#include <memory>

#include "platform/launcher.h"
#include "platform/recording/request_log.h"

namespace quorvel {

class RecordingLauncher final : public Launcher {
public:
    explicit RecordingLauncher(std::shared_ptr<RequestLog> log);

    void StartProgram(const std::string& program, const std::string& parameters) override;
    void ShellOpen(const std::string& target) override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
