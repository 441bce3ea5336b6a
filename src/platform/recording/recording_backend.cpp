#include "platform/recording/recording_backend.h"

namespace quorvel {

RecordingBackend::RecordingBackend(std::shared_ptr<RequestLog> requestLog)
    : log(std::move(requestLog)),
      session(std::make_shared<RecordingSessionControl>(log)),
      sleep(std::make_shared<RecordingSleepControl>(log)),
      powerCapabilities(std::make_shared<RecordingPowerCapabilities>()),
      keepAwake(std::make_shared<RecordingKeepAwakeControl>(log)),
      powerEvents(std::make_shared<RecordingPowerEvents>()),
      wakeTimer(std::make_shared<RecordingWakeTimer>(log)),
      powerPolicy(std::make_shared<RecordingPowerPolicy>(log)),
      privileges(std::make_shared<RecordingPrivileges>(log)),
      screenSaver(std::make_shared<RecordingScreenSaver>(log)),
      desktopLock(std::make_shared<RecordingDesktopLock>(log)),
      monitorPower(std::make_shared<RecordingMonitorPower>(log)),
      powerOptions(std::make_shared<RecordingPowerOptions>(log)),
      launcher(std::make_shared<RecordingLauncher>(log)),
      processControl(std::make_shared<RecordingProcessControl>(log)),
      systemClock(std::make_shared<RecordingSystemClock>(log)),
      clockSync(std::make_shared<RecordingClockSync>(log)),
      macroReplayer(std::make_shared<RecordingMacroReplayer>(log)),
      macroRecorder(std::make_shared<RecordingMacroRecorder>(log)),
      dialUp(std::make_shared<RecordingDialUp>(log)),
      autostart(std::make_shared<RecordingAutostart>(log)),
      autoLogon(std::make_shared<RecordingAutoLogon>(log)),
      langManagerStore(std::make_shared<RecordingLangManagerStore>(log))
{
}

PlatformServices RecordingBackend::Services() const
{
    return PlatformServices{
        .session = session,
        .sleep = sleep,
        .powerCapabilities = powerCapabilities,
        .keepAwake = keepAwake,
        .powerEvents = powerEvents,
        .wakeTimer = wakeTimer,
        .powerPolicy = powerPolicy,
        .privileges = privileges,
        .screenSaver = screenSaver,
        .desktopLock = desktopLock,
        .monitorPower = monitorPower,
        .powerOptions = powerOptions,
        .launcher = launcher,
        .processControl = processControl,
        .systemClock = systemClock,
        .clockSync = clockSync,
        .macroReplayer = macroReplayer,
        .macroRecorder = macroRecorder,
        .dialUp = dialUp,
        .autostart = autostart,
        .autoLogon = autoLogon,
        .langManagerStore = langManagerStore,
    };
}

}  // namespace quorvel
