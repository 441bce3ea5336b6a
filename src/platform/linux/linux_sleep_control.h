#pragma once

#include "platform/linux/logind_manager.h"
#include "platform/sleep_control.h"

namespace quorvel {

// Suspend and hibernate through logind, without asking the user (not interactive). Like every
// power request, the answer is not examined.
class LinuxSleepControl final : public SleepControl {
public:
    explicit LinuxSleepControl(LogindManager logind);

    void Suspend() override;
    void Hibernate() override;

private:
    void Request(const QString& method);

    LogindManager m_logind;
};

}  // namespace quorvel
