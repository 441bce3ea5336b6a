#pragma once

#include <memory>

#include "platform/autostart.h"
#include "platform/recording/request_log.h"

namespace quorvel {

// Remembers what it was last told, so a window reading the setting back sees its own change.
// Off at first.
class RecordingAutostart final : public Autostart {
public:
    explicit RecordingAutostart(std::shared_ptr<RequestLog> log);

    std::string AutostartCommand() const override { return m_command; }
    void SetAutostart(const std::string& executablePath) override;
    void ClearAutostart() override;

    // Sets the starting state without logging a request.
    void PresetAutostartCommand(std::string command) { m_command = std::move(command); }

private:
    std::shared_ptr<RequestLog> m_log;
    std::string m_command;
};

}  // namespace quorvel
