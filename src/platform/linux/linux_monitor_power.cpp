#include "platform/linux/linux_monitor_power.h"

#include "platform/linux/x11_display.h"

namespace quorvel {

LinuxMonitorPower::LinuxMonitorPower(std::string displayName) : m_displayName(std::move(displayName)) {}

void LinuxMonitorPower::TurnMonitorOff()
{
    X11Display(m_displayName).TurnScreenOff();
}

}  // namespace quorvel
