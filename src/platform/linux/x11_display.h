#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace quorvel {

// A connection of our own to the X server, for the few things only X offers: switching the
// display off, waking it and the time since the last input. Errors on it never end the program,
// and without an X server (Wayland, no display) every call simply does nothing.
class X11Display {
public:
    // `name` as in DISPLAY; empty means there is no X server to talk to.
    explicit X11Display(const std::string& name);
    ~X11Display();
    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;

    bool IsOpen() const { return m_display != nullptr; }

    // DPMS off; false where the server has no DPMS.
    bool TurnScreenOff();
    // Switches the display on and restarts the screen saver's count, as a key press would.
    bool WakeScreen();
    // Time since the user last used keyboard or mouse; nothing without the screen-saver
    // extension.
    std::optional<std::chrono::milliseconds> IdleTime();

private:
    void* m_display = nullptr;  // Display*, kept out of the header so X's macros stay out too
};

}  // namespace quorvel
