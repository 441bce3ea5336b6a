#pragma once

#include <QDBusError>

#include "platform/linux/desktop_session_managers.h"
#include "platform/linux/diagnostic_sink.h"
#include "platform/linux/logind_manager.h"
#include "platform/session_control.h"

namespace quorvel {

// Ends the session or the system. A plain request goes to the desktop's session manager, so
// applications can save or refuse; without one, to logind, and not while another program holds
// a block inhibitor on shutting down. A forced request goes to logind directly.
class LinuxSessionControl final : public SessionControl {
public:
    LinuxSessionControl(LogindManager logind, DesktopSessionManagers desktop, DiagnosticSink diagnostics);

    void LogOffSession() override;
    void RestartSystem() override;
    void RestartSystemForced() override;
    void PowerOffSystem() override;
    void PowerOffSystemForced() override;

    // The common step: each operation passes only its own flag sum, and nothing is kept from
    // an earlier request, whether it was carried out or refused.
    void RequestSessionEnd(unsigned flags);

private:
    QDBusError AskLogind(const SessionEndRequest& request);
    QDBusError AskLogindForced(SessionEndKind kind);
    void Report(const QDBusError& error);

    LogindManager m_logind;
    DesktopSessionManagers m_desktop;
    DiagnosticSink m_diagnostics;
};

}  // namespace quorvel
