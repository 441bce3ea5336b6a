#pragma once

#include <QDBusConnection>
#include <QDBusError>

#include "platform/linux/session_end_request.h"

namespace quorvel {

// The desktop's own session manager on the session bus (GNOME and its offshoots, KDE Plasma,
// Xfce). Ending the session through it lets every application save its work or refuse, which
// the login manager alone would not.
class DesktopSessionManagers {
public:
    explicit DesktopSessionManagers(QDBusConnection sessionBus);

    // Asks the first manager that runs. True when one took the request; false when none runs
    // or each that runs answered with an error (the last one in `error`).
    bool Request(SessionEndKind kind, QDBusError& error) const;

private:
    QDBusConnection m_bus;
};

}  // namespace quorvel
