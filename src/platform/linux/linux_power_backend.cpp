#include "platform/linux/linux_power_backend.h"

#include "platform/linux/x11_display.h"

namespace quorvel {
namespace {

constexpr std::chrono::milliseconds kInputPollInterval{1000};

// The idle time of the X server, on a connection opened at the first resume and kept.
UserInputWatcher::IdleSource X11IdleSource(const std::string& displayName)
{
    auto display = std::make_shared<std::unique_ptr<X11Display>>();
    return [displayName, display]() -> std::optional<std::chrono::milliseconds> {
        if (!*display) {
            *display = std::make_unique<X11Display>(displayName);
        }
        return (*display)->IdleTime();
    };
}

UserInputWatcher::Clock SteadyClock()
{
    return [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    };
}

}  // namespace

LinuxPowerBackend::LinuxPowerBackend(LinuxPowerSetup setup)
{
    if (!setup.bootClock) {
        setup.bootClock = SystemBootClock();
    }
    if (!setup.inputClock) {
        setup.inputClock = SteadyClock();
    }
    if (!setup.diagnostics) {
        setup.diagnostics = StandardOutputSink();
    }
    const LogindManager logind(setup.systemBus, setup.sessionId);
    const FreedesktopScreenSaver screenSaverService(setup.sessionBus);

    inputWatcher = std::make_shared<UserInputWatcher>(X11IdleSource(setup.displayName), setup.inputClock,
                                                      kInputPollInterval);
    wakeFired = std::make_shared<WakeFiredRecord>();
    session = std::make_shared<LinuxSessionControl>(logind, DesktopSessionManagers(setup.sessionBus),
                                                    setup.diagnostics);
    sleep = std::make_shared<LinuxSleepControl>(logind);

    LinuxWakeTimerSetup timerSetup;
    timerSetup.helper = setup.wakeHelper;
    timerSetup.fallbackClock = setup.fallbackClock;
    timerSetup.sysfsRoot = setup.sysfsRoot;
    timerSetup.bootClock = setup.bootClock;
    timerSetup.fired = wakeFired;
    wakeTimer = std::make_shared<LinuxWakeTimer>(std::move(timerSetup));

    const std::weak_ptr<LinuxWakeTimer> timer = wakeTimer;
    powerCapabilities = std::make_shared<LinuxPowerCapabilities>(logind, setup.sysfsRoot, [timer] {
        const std::shared_ptr<LinuxWakeTimer> held = timer.lock();
        return held && held->WakesFromSuspend();
    });

    const std::string displayName = setup.displayName;
    const std::weak_ptr<UserInputWatcher> watcher = inputWatcher;
    keepAwake = std::make_shared<LinuxKeepAwakeControl>(
        logind, setup.sessionBus, [displayName] { return X11Display(displayName).WakeScreen(); },
        [watcher] {
            if (const std::shared_ptr<UserInputWatcher> held = watcher.lock()) {
                held->NoteOwnActivity();
            }
        });
    powerEvents = std::make_shared<LinuxPowerEvents>(logind, wakeFired, setup.bootClock, inputWatcher);
    desktopLock = std::make_shared<LinuxDesktopLock>(logind, screenSaverService);
    powerPolicy = std::make_shared<LinuxPowerPolicy>(logind, desktopLock);
    privileges = std::make_shared<LinuxPrivileges>();
    screenSaver = std::make_shared<LinuxScreenSaver>(screenSaverService);
    monitorPower = std::make_shared<LinuxMonitorPower>(setup.displayName);
    powerOptions = std::make_shared<LinuxPowerOptions>(setup.currentDesktop, setup.searchPath);
}

void LinuxPowerBackend::FillServices(PlatformServices& services) const
{
    services.session = session;
    services.sleep = sleep;
    services.powerCapabilities = powerCapabilities;
    services.keepAwake = keepAwake;
    services.powerEvents = powerEvents;
    services.wakeTimer = wakeTimer;
    services.powerPolicy = powerPolicy;
    services.privileges = privileges;
    services.screenSaver = screenSaver;
    services.desktopLock = desktopLock;
    services.monitorPower = monitorPower;
    services.powerOptions = powerOptions;
}

}  // namespace quorvel
