#pragma once

#include <optional>

#include "platform/linux/freedesktop_screen_saver.h"
#include "platform/screen_saver.h"

namespace quorvel {

// Switches the screen saver off with an inhibit cookie held until it is switched on again.
class LinuxScreenSaver final : public ScreenSaver {
public:
    explicit LinuxScreenSaver(FreedesktopScreenSaver screenSaver);
    ~LinuxScreenSaver() override;

    void SetScreenSaver(bool active) override;

private:
    FreedesktopScreenSaver m_screenSaver;
    std::optional<uint> m_cookie;
};

}  // namespace quorvel
