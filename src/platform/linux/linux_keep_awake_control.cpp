#include "platform/linux/linux_keep_awake_control.h"

#include <QDBusMessage>

namespace quorvel {
namespace {

const QString kWhy = QStringLiteral("A power-on task has woken the computer");

}  // namespace

LinuxKeepAwakeControl::LinuxKeepAwakeControl(LogindManager logind, QDBusConnection sessionBus,
                                             std::function<bool()> wakeScreenDirectly,
                                             std::function<void()> ownActivity)
    : m_logind(std::move(logind)),
      m_screenSaver(sessionBus),
      m_desktopInhibitor(sessionBus),
      m_wakeScreenDirectly(std::move(wakeScreenDirectly)),
      m_ownActivity(std::move(ownActivity))
{
}

void LinuxKeepAwakeControl::KeepAwake()
{
    if (!m_inhibitor.isValid()) {
        m_inhibitor = m_logind.Inhibit(QStringLiteral("sleep:idle"), kWhy, QStringLiteral("block"));
    }
    m_desktopInhibitor.Hold(kWhy);
    WakeScreen();
}

void LinuxKeepAwakeControl::ClearKeepAwake()
{
    // Closing our copy of the descriptor is what releases logind's inhibitor.
    m_inhibitor = QDBusUnixFileDescriptor();
    m_desktopInhibitor.Release();
}

void LinuxKeepAwakeControl::WakeScreen()
{
    const bool woken =
        m_screenSaver.Call(QStringLiteral("SimulateUserActivity")).type() == QDBusMessage::ReplyMessage ||
        (m_wakeScreenDirectly && m_wakeScreenDirectly());
    if (woken && m_ownActivity) {
        m_ownActivity();
    }
}

}  // namespace quorvel
