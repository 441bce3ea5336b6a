#pragma once

#include <time.h>

#include <QDBusConnection>
#include <QString>
#include <QStringList>
#include <string>

#include "platform/linux/boot_clock.h"
#include "platform/linux/diagnostic_sink.h"
#include "platform/linux/user_input_watcher.h"
#include "platform/linux/wake_helper_client.h"

namespace quorvel {

// Everything the Linux power backend takes from its surroundings, so a test can point each
// piece at a mock instead: the buses, the environment's names, sysfs, the helper, the clocks.
struct LinuxPowerSetup {
    QDBusConnection systemBus{QString()};
    QDBusConnection sessionBus{QString()};
    QString sessionId;        // XDG_SESSION_ID
    QString currentDesktop;   // XDG_CURRENT_DESKTOP
    std::string displayName;  // DISPLAY
    std::string sysfsRoot = "/sys";
    WakeHelperLaunch wakeHelper;
    clockid_t fallbackClock = CLOCK_REALTIME;
    QStringList searchPath;  // empty: PATH
    DiagnosticSink diagnostics;
    BootClock bootClock;
    UserInputWatcher::Clock inputClock;

    // This process's buses and environment; the helper next to the program or installed.
    static LinuxPowerSetup FromEnvironment();
};

}  // namespace quorvel
