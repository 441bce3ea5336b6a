#include "platform/linux/x11_display.h"

// X's headers define macros such as None, Bool and Status; keep them in this file.
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <X11/extensions/scrnsaver.h>

#include <set>

namespace quorvel {
namespace {

// Xlib reports protocol errors through one handler for the whole process, and the default one
// ends the process. Errors on our own connections are ignored; others go where they went before.
XErrorHandler g_previousHandler = nullptr;
bool g_handlerInstalled = false;

std::set<Display*>& OurDisplays()
{
    static std::set<Display*> displays;
    return displays;
}

int IgnoreOurErrors(Display* display, XErrorEvent* event)
{
    if (OurDisplays().count(display) > 0 || g_previousHandler == nullptr) {
        return 0;
    }
    return g_previousHandler(display, event);
}

Display* AsDisplay(void* display)
{
    return static_cast<Display*>(display);
}

}  // namespace

X11Display::X11Display(const std::string& name)
{
    if (name.empty()) {
        return;
    }
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) {
        return;
    }
    if (!g_handlerInstalled) {
        g_previousHandler = XSetErrorHandler(IgnoreOurErrors);
        g_handlerInstalled = true;
    }
    OurDisplays().insert(display);
    m_display = display;
}

X11Display::~X11Display()
{
    if (m_display == nullptr) {
        return;
    }
    XCloseDisplay(AsDisplay(m_display));
    OurDisplays().erase(AsDisplay(m_display));
}

bool X11Display::TurnScreenOff()
{
    Display* display = AsDisplay(m_display);
    int eventBase = 0;
    int errorBase = 0;
    if (display == nullptr || !DPMSQueryExtension(display, &eventBase, &errorBase) || !DPMSCapable(display)) {
        return false;
    }
    CARD16 level = 0;
    BOOL enabled = False;
    DPMSInfo(display, &level, &enabled);
    // Forcing a level needs DPMS switched on; the display's own timeouts stay as they were.
    if (!enabled) {
        DPMSEnable(display);
    }
    DPMSForceLevel(display, DPMSModeOff);
    XSync(display, False);
    return true;
}

bool X11Display::WakeScreen()
{
    Display* display = AsDisplay(m_display);
    if (display == nullptr) {
        return false;
    }
    XForceScreenSaver(display, ScreenSaverReset);
    XSync(display, False);
    return true;
}

std::optional<std::chrono::milliseconds> X11Display::IdleTime()
{
    Display* display = AsDisplay(m_display);
    int eventBase = 0;
    int errorBase = 0;
    if (display == nullptr || !XScreenSaverQueryExtension(display, &eventBase, &errorBase)) {
        return std::nullopt;
    }
    XScreenSaverInfo* info = XScreenSaverAllocInfo();
    if (info == nullptr) {
        return std::nullopt;
    }
    std::optional<std::chrono::milliseconds> idle;
    if (XScreenSaverQueryInfo(display, DefaultRootWindow(display), info)) {
        idle = std::chrono::milliseconds{info->idle};
    }
    XFree(info);
    return idle;
}

}  // namespace quorvel
