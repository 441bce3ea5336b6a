#pragma once

#include <memory>

#include "platform/power_options.h"
#include "platform/recording/request_log.h"

namespace quorvel {

class RecordingPowerOptions final : public PowerOptions {
public:
    explicit RecordingPowerOptions(std::shared_ptr<RequestLog> log);

    void OpenPowerOptions() override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
