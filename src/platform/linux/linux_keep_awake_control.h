#pragma once

#include <QDBusUnixFileDescriptor>
#include <functional>

#include "platform/keep_awake_control.h"
#include "platform/linux/desktop_suspend_inhibitor.h"
#include "platform/linux/freedesktop_screen_saver.h"
#include "platform/linux/logind_manager.h"

namespace quorvel {

// Holds a logind block inhibitor on sleep and idle (and the desktop's own suspend inhibitor)
// until cleared, and switches the display on once per call. The display may still turn off by
// its own timer afterwards.
class LinuxKeepAwakeControl final : public KeepAwakeControl {
public:
    // `wakeScreenDirectly` switches the display on without the session bus (X11);
    // `ownActivity` learns that the display was woken by us, not by the user.
    LinuxKeepAwakeControl(LogindManager logind, QDBusConnection sessionBus,
                          std::function<bool()> wakeScreenDirectly, std::function<void()> ownActivity);

    void KeepAwake() override;
    void ClearKeepAwake() override;

private:
    void WakeScreen();

    LogindManager m_logind;
    FreedesktopScreenSaver m_screenSaver;
    DesktopSuspendInhibitor m_desktopInhibitor;
    std::function<bool()> m_wakeScreenDirectly;
    std::function<void()> m_ownActivity;
    QDBusUnixFileDescriptor m_inhibitor;
};

}  // namespace quorvel
