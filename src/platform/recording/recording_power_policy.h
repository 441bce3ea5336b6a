#pragma once

#include <memory>

#include "platform/power_policy.h"
#include "platform/recording/request_log.h"

namespace quorvel {

class RecordingPowerPolicy final : public PowerPolicy {
public:
    explicit RecordingPowerPolicy(std::shared_ptr<RequestLog> log);

    void ApplyResumePasswordPolicy(bool autoLogon) override;
    void ReserveHibernationFile() override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
