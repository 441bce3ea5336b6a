#include "platform/linux/desktop_session_managers.h"

#include <QString>
#include <QVariantList>

#include "platform/linux/dbus_call.h"

namespace quorvel {
namespace {

struct EndRequest {
    const char* method;
    QVariantList arguments;
};

struct SessionManager {
    const char* service;
    const char* path;
    const char* interface;
    EndRequest logOff;
    EndRequest restart;
    EndRequest powerOff;
};

// None of these asks the user to confirm; applications may still save or refuse.
const SessionManager kManagers[] = {
    // Logout mode 1: no confirmation dialog.
    {"org.gnome.SessionManager",
     "/org/gnome/SessionManager",
     "org.gnome.SessionManager",
     {"Logout", {1u}},
     {"Reboot", {}},
     {"Shutdown", {}}},
    {"org.kde.Shutdown",
     "/Shutdown",
     "org.kde.Shutdown",
     {"logout", {}},
     {"logoutAndReboot", {}},
     {"logoutAndShutdown", {}}},
    // Plasma before 5.25: logout(confirm = no, type = none / reboot / halt, mode = schedule).
    {"org.kde.ksmserver",
     "/KSMServer",
     "org.kde.KSMServerInterface",
     {"logout", {0, 0, 0}},
     {"logout", {0, 1, 0}},
     {"logout", {0, 2, 0}}},
    // Logout(show dialog, allow save), Restart(allow save), Shutdown(allow save).
    {"org.xfce.SessionManager",
     "/org/xfce/SessionManager",
     "org.xfce.Session.Manager",
     {"Logout", {false, true}},
     {"Restart", {true}},
     {"Shutdown", {true}}},
};

const EndRequest& RequestFor(const SessionManager& manager, SessionEndKind kind)
{
    switch (kind) {
        case SessionEndKind::LogOff:
            return manager.logOff;
        case SessionEndKind::Restart:
            return manager.restart;
        case SessionEndKind::PowerOff:
            break;
    }
    return manager.powerOff;
}

}  // namespace

DesktopSessionManagers::DesktopSessionManagers(QDBusConnection sessionBus) : m_bus(std::move(sessionBus)) {}

bool DesktopSessionManagers::Request(SessionEndKind kind, QDBusError& error) const
{
    for (const SessionManager& manager : kManagers) {
        const QString service = QString::fromLatin1(manager.service);
        if (!HasOwner(m_bus, service)) {
            continue;
        }
        const EndRequest& request = RequestFor(manager, kind);
        const QDBusMessage reply = CallDbus(m_bus, service, QString::fromLatin1(manager.path),
                                            QString::fromLatin1(manager.interface),
                                            QString::fromLatin1(request.method), request.arguments);
        if (reply.type() == QDBusMessage::ReplyMessage) {
            return true;
        }
        error = ErrorOf(reply);
    }
    return false;
}

}  // namespace quorvel
