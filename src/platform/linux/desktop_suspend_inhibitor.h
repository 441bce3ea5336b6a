#pragma once

#include <QDBusConnection>
#include <QString>
#include <optional>

namespace quorvel {

// Keeps the desktop's own power manager from suspending the machine when idle. Desktops decide
// idle suspend themselves and let the user override their own logind inhibitors, so a logind
// inhibitor alone does not stop them. GNOME's session manager, else the freedesktop power
// management interface (KDE Plasma, Xfce).
class DesktopSuspendInhibitor {
public:
    explicit DesktopSuspendInhibitor(QDBusConnection sessionBus);
    ~DesktopSuspendInhibitor();
    DesktopSuspendInhibitor(const DesktopSuspendInhibitor&) = delete;
    DesktopSuspendInhibitor& operator=(const DesktopSuspendInhibitor&) = delete;

    // A second Hold while held changes nothing.
    void Hold(const QString& why);
    void Release();

private:
    enum class Holder { Gnome, PowerManagement };

    QDBusConnection m_bus;
    std::optional<Holder> m_holder;
    uint m_cookie = 0;
};

}  // namespace quorvel
