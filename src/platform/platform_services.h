#pragma once

#include <memory>

#include "platform/auto_logon.h"
#include "platform/autostart.h"
#include "platform/clock_sync.h"
#include "platform/desktop_lock.h"
#include "platform/dial_up.h"
#include "platform/keep_awake_control.h"
#include "platform/lang_manager_store.h"
#include "platform/launcher.h"
#include "platform/macro_recorder.h"
#include "platform/macro_replayer.h"
#include "platform/monitor_power.h"
#include "platform/power_capabilities.h"
#include "platform/power_events.h"
#include "platform/power_options.h"
#include "platform/power_policy.h"
#include "platform/privileges.h"
#include "platform/process_control.h"
#include "platform/screen_saver.h"
#include "platform/session_control.h"
#include "platform/sleep_control.h"
#include "platform/system_clock.h"
#include "platform/wake_timer.h"

namespace quorvel {

// Every operating-system service the program uses, from one backend. Windows take the ones they
// need from here; shared so a service outlives whichever window let go of it last.
struct PlatformServices {
    std::shared_ptr<SessionControl> session;
    std::shared_ptr<SleepControl> sleep;
    std::shared_ptr<PowerCapabilities> powerCapabilities;
    std::shared_ptr<KeepAwakeControl> keepAwake;
    std::shared_ptr<PowerEvents> powerEvents;
    std::shared_ptr<WakeTimer> wakeTimer;
    std::shared_ptr<PowerPolicy> powerPolicy;
    std::shared_ptr<Privileges> privileges;
    std::shared_ptr<ScreenSaver> screenSaver;
    std::shared_ptr<DesktopLock> desktopLock;
    std::shared_ptr<MonitorPower> monitorPower;
    std::shared_ptr<PowerOptions> powerOptions;
    std::shared_ptr<Launcher> launcher;
    std::shared_ptr<ProcessControl> processControl;
    std::shared_ptr<SystemClock> systemClock;
    std::shared_ptr<ClockSync> clockSync;
    std::shared_ptr<MacroReplayer> macroReplayer;
    std::shared_ptr<MacroRecorder> macroRecorder;
    std::shared_ptr<DialUp> dialUp;
    std::shared_ptr<Autostart> autostart;
    std::shared_ptr<AutoLogon> autoLogon;
    std::shared_ptr<LangManagerStore> langManagerStore;
};

}  // namespace quorvel
