#pragma once

#include <string>

#include "platform/monitor_power.h"

namespace quorvel {

// DPMS off through the X server; nothing on Wayland or without a display.
class LinuxMonitorPower final : public MonitorPower {
public:
    explicit LinuxMonitorPower(std::string displayName);

    void TurnMonitorOff() override;

private:
    std::string m_displayName;
};

}  // namespace quorvel
