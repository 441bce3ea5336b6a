#pragma once

#include <memory>

#include "platform/auto_logon.h"
#include "platform/recording/request_log.h"

namespace quorvel {

// Remembers what it was last told; off with empty texts at first. Changes are allowed unless told
// otherwise. The password is kept for reading back but never logged.
class RecordingAutoLogon final : public AutoLogon {
public:
    explicit RecordingAutoLogon(std::shared_ptr<RequestLog> log);

    AutoLogonSettings ReadAutoLogon() const override { return m_settings; }
    bool CanChangeAutoLogon() override { return m_canChange; }
    void EnableAutoLogon(const std::string& userName, const std::string& password) override;
    void DisableAutoLogon() override;

    // Sets the starting state without logging a request.
    void PresetAutoLogon(AutoLogonSettings settings) { m_settings = std::move(settings); }
    void SetCanChangeAutoLogon(bool can) { m_canChange = can; }

private:
    std::shared_ptr<RequestLog> m_log;
    AutoLogonSettings m_settings;
    bool m_canChange = true;
};

}  // namespace quorvel
