#pragma once

#include "platform/desktop_lock.h"
#include "platform/linux/freedesktop_screen_saver.h"
#include "platform/linux/logind_manager.h"

namespace quorvel {

// Asks logind to lock our session (the desktop's locker listens), else the screen saver itself.
class LinuxDesktopLock final : public DesktopLock {
public:
    LinuxDesktopLock(LogindManager logind, FreedesktopScreenSaver screenSaver);

    bool LockDesktop() override;

private:
    LogindManager m_logind;
    FreedesktopScreenSaver m_screenSaver;
};

}  // namespace quorvel
