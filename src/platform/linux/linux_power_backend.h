#pragma once

#include <memory>

#include "platform/linux/linux_desktop_lock.h"
#include "platform/linux/linux_keep_awake_control.h"
#include "platform/linux/linux_monitor_power.h"
#include "platform/linux/linux_power_capabilities.h"
#include "platform/linux/linux_power_events.h"
#include "platform/linux/linux_power_options.h"
#include "platform/linux/linux_power_policy.h"
#include "platform/linux/linux_power_setup.h"
#include "platform/linux/linux_privileges.h"
#include "platform/linux/linux_screen_saver.h"
#include "platform/linux/linux_session_control.h"
#include "platform/linux/linux_sleep_control.h"
#include "platform/linux/linux_wake_timer.h"
#include "platform/platform_services.h"

namespace quorvel {

// The power, session and wake services of the Linux backend, built on one setup. Building them
// sends nothing anywhere; each talks to its service on first use. The members keep their
// concrete types for tests.
struct LinuxPowerBackend {
    explicit LinuxPowerBackend(LinuxPowerSetup setup);

    // Puts these services into `services`, leaving the others as they are.
    void FillServices(PlatformServices& services) const;

    std::shared_ptr<UserInputWatcher> inputWatcher;
    std::shared_ptr<WakeFiredRecord> wakeFired;
    std::shared_ptr<LinuxSessionControl> session;
    std::shared_ptr<LinuxSleepControl> sleep;
    std::shared_ptr<LinuxWakeTimer> wakeTimer;
    std::shared_ptr<LinuxPowerCapabilities> powerCapabilities;
    std::shared_ptr<LinuxKeepAwakeControl> keepAwake;
    std::shared_ptr<LinuxPowerEvents> powerEvents;
    std::shared_ptr<LinuxDesktopLock> desktopLock;
    std::shared_ptr<LinuxPowerPolicy> powerPolicy;
    std::shared_ptr<LinuxPrivileges> privileges;
    std::shared_ptr<LinuxScreenSaver> screenSaver;
    std::shared_ptr<LinuxMonitorPower> monitorPower;
    std::shared_ptr<LinuxPowerOptions> powerOptions;
};

}  // namespace quorvel
