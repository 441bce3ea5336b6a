#include "platform/linux/linux_power_setup.h"

#include <QCoreApplication>

#include "platform/linux/wake_helper_location.h"

namespace quorvel {

LinuxPowerSetup LinuxPowerSetup::FromEnvironment()
{
    LinuxPowerSetup setup;
    setup.systemBus = QDBusConnection::systemBus();
    setup.sessionBus = QDBusConnection::sessionBus();
    setup.sessionId = qEnvironmentVariable("XDG_SESSION_ID");
    setup.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    setup.displayName = qEnvironmentVariable("DISPLAY").toStdString();
    setup.wakeHelper.program = FindWakeHelper(QCoreApplication::applicationDirPath());
    setup.diagnostics = StandardOutputSink();
    setup.bootClock = SystemBootClock();
    return setup;
}

}  // namespace quorvel
