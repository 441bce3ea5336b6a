#include "platform/linux/linux_session_control.h"

#include <QDBusMessage>

#include "platform/linux/dbus_call.h"

namespace quorvel {
namespace {

// logind's flag for PowerOffWithFlags and RebootWithFlags that makes it ignore inhibitors, as
// far as polkit lets the caller.
constexpr quint64 kSkipInhibitors = quint64{1} << 4;

bool MeansNotOffered(const QDBusError& error)
{
    // Older logind lacks the method (UnknownMethod) or rejects the flag (InvalidArgs).
    return error.type() == QDBusError::UnknownMethod || error.type() == QDBusError::InvalidArgs;
}

}  // namespace

LinuxSessionControl::LinuxSessionControl(LogindManager logind, DesktopSessionManagers desktop,
                                         DiagnosticSink diagnostics)
    : m_logind(std::move(logind)), m_desktop(std::move(desktop)), m_diagnostics(std::move(diagnostics))
{
}

void LinuxSessionControl::LogOffSession()
{
    RequestSessionEnd(kEndLogOff);
}

void LinuxSessionControl::RestartSystem()
{
    RequestSessionEnd(kEndReboot);
}

void LinuxSessionControl::RestartSystemForced()
{
    RequestSessionEnd(kEndReboot | kEndForce);
}

void LinuxSessionControl::PowerOffSystem()
{
    RequestSessionEnd(kEndShutdown | kEndPowerOff);
}

void LinuxSessionControl::PowerOffSystemForced()
{
    RequestSessionEnd(kEndShutdown | kEndForce | kEndPowerOff);
}

void LinuxSessionControl::RequestSessionEnd(unsigned flags)
{
    const SessionEndRequest request = ReadSessionEndFlags(flags);
    if (!request.forced) {
        // A manager that answers with an error is no refusal by an application: logind may
        // still carry the request out.
        QDBusError managerError;
        if (m_desktop.Request(request.kind, managerError)) {
            return;
        }
    }
    QString why;
    if (!m_logind.IsReachable(why)) {
        m_diagnostics("Cannot open process token. [" + why.toStdString() + "]");
        return;
    }
    if (const QDBusError error = AskLogind(request); error.isValid()) {
        Report(error);
    }
}

QDBusError LinuxSessionControl::AskLogind(const SessionEndRequest& request)
{
    if (request.kind == SessionEndKind::LogOff) {
        QDBusError error;
        m_logind.CallOwnSession(QStringLiteral("Terminate"), error);
        return error;
    }
    if (request.forced) {
        return AskLogindForced(request.kind);
    }
    // logind lets a privileged caller through a block inhibitor; a plain request must not go
    // through, as an application that refuses stops it.
    if (m_logind.IsBlocked(QStringLiteral("shutdown"))) {
        return {};
    }
    const QString method =
        request.kind == SessionEndKind::Restart ? QStringLiteral("Reboot") : QStringLiteral("PowerOff");
    return ErrorOf(m_logind.Call(method, {false}));
}

QDBusError LinuxSessionControl::AskLogindForced(SessionEndKind kind)
{
    const bool restart = kind == SessionEndKind::Restart;
    const QDBusError error = ErrorOf(
        m_logind.Call(restart ? QStringLiteral("RebootWithFlags") : QStringLiteral("PowerOffWithFlags"),
                      {QVariant::fromValue(kSkipInhibitors)}));
    if (!MeansNotOffered(error)) {
        return error;
    }
    return ErrorOf(m_logind.Call(restart ? QStringLiteral("Reboot") : QStringLiteral("PowerOff"), {false}));
}

void LinuxSessionControl::Report(const QDBusError& error)
{
    if (IsRefusal(error)) {
        m_diagnostics("Error adjusting process privileges.");
        return;
    }
    m_diagnostics("Cannot find privilege value. [" + OneLineMessage(error).toStdString() + "]");
}

}  // namespace quorvel
