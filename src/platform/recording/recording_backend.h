#pragma once

#include <memory>

#include "platform/platform_services.h"
#include "platform/recording/recording_auto_logon.h"
#include "platform/recording/recording_autostart.h"
#include "platform/recording/recording_clock_sync.h"
#include "platform/recording/recording_desktop_lock.h"
#include "platform/recording/recording_dial_up.h"
#include "platform/recording/recording_keep_awake_control.h"
#include "platform/recording/recording_lang_manager_store.h"
#include "platform/recording/recording_launcher.h"
#include "platform/recording/recording_macro_recorder.h"
#include "platform/recording/recording_macro_replayer.h"
#include "platform/recording/recording_monitor_power.h"
#include "platform/recording/recording_power_capabilities.h"
#include "platform/recording/recording_power_events.h"
#include "platform/recording/recording_power_options.h"
#include "platform/recording/recording_power_policy.h"
#include "platform/recording/recording_privileges.h"
#include "platform/recording/recording_process_control.h"
#include "platform/recording/recording_screen_saver.h"
#include "platform/recording/recording_session_control.h"
#include "platform/recording/recording_sleep_control.h"
#include "platform/recording/recording_system_clock.h"
#include "platform/recording/recording_wake_timer.h"
#include "platform/recording/request_log.h"

namespace quorvel {

// The whole recording backend on one log. The members keep their concrete types so a test can
// preset answers and play events before handing Services() to the code under test.
struct RecordingBackend {
    explicit RecordingBackend(std::shared_ptr<RequestLog> requestLog);

    PlatformServices Services() const;

    std::shared_ptr<RequestLog> log;
    std::shared_ptr<RecordingSessionControl> session;
    std::shared_ptr<RecordingSleepControl> sleep;
    std::shared_ptr<RecordingPowerCapabilities> powerCapabilities;
    std::shared_ptr<RecordingKeepAwakeControl> keepAwake;
    std::shared_ptr<RecordingPowerEvents> powerEvents;
    std::shared_ptr<RecordingWakeTimer> wakeTimer;
    std::shared_ptr<RecordingPowerPolicy> powerPolicy;
    std::shared_ptr<RecordingPrivileges> privileges;
    std::shared_ptr<RecordingScreenSaver> screenSaver;
    std::shared_ptr<RecordingDesktopLock> desktopLock;
    std::shared_ptr<RecordingMonitorPower> monitorPower;
    std::shared_ptr<RecordingPowerOptions> powerOptions;
    std::shared_ptr<RecordingLauncher> launcher;
    std::shared_ptr<RecordingProcessControl> processControl;
    std::shared_ptr<RecordingSystemClock> systemClock;
    std::shared_ptr<RecordingClockSync> clockSync;
    std::shared_ptr<RecordingMacroReplayer> macroReplayer;
    std::shared_ptr<RecordingMacroRecorder> macroRecorder;
    std::shared_ptr<RecordingDialUp> dialUp;
    std::shared_ptr<RecordingAutostart> autostart;
    std::shared_ptr<RecordingAutoLogon> autoLogon;
    std::shared_ptr<RecordingLangManagerStore> langManagerStore;
};

}  // namespace quorvel
