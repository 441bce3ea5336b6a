#pragma once

#include <memory>

#include "platform/recording/request_log.h"
#include "platform/sleep_control.h"

namespace quorvel {

class RecordingSleepControl final : public SleepControl {
public:
    explicit RecordingSleepControl(std::shared_ptr<RequestLog> log);

    void Suspend() override;
    void Hibernate() override;

private:
    std::shared_ptr<RequestLog> m_log;
};

}  // namespace quorvel
