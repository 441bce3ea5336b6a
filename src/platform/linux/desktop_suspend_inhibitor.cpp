#include "platform/linux/desktop_suspend_inhibitor.h"

#include <QDBusMessage>

#include "core/app_info.h"
#include "platform/linux/dbus_call.h"

namespace quorvel {
namespace {

const QString kGnome = QStringLiteral("org.gnome.SessionManager");
const QString kGnomePath = QStringLiteral("/org/gnome/SessionManager");
const QString kPowerManagement = QStringLiteral("org.freedesktop.PowerManagement");
const QString kPowerManagementPath = QStringLiteral("/org/freedesktop/PowerManagement/Inhibit");
const QString kPowerManagementInhibit = QStringLiteral("org.freedesktop.PowerManagement.Inhibit");

// GNOME's inhibit flag for suspending; idle and the screen are left alone.
constexpr uint kGnomeInhibitSuspend = 4;

std::optional<uint> CookieOf(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    return reply.arguments().constFirst().toUInt();
}

}  // namespace

DesktopSuspendInhibitor::DesktopSuspendInhibitor(QDBusConnection sessionBus) : m_bus(std::move(sessionBus)) {}

DesktopSuspendInhibitor::~DesktopSuspendInhibitor()
{
    Release();
}

void DesktopSuspendInhibitor::Hold(const QString& why)
{
    if (m_holder) {
        return;
    }
    const QString product = QString::fromLatin1(kProductName);
    if (HasOwner(m_bus, kGnome)) {
        // Inhibit(application, top-level window (none), reason, flags)
        if (const auto cookie =
                CookieOf(CallDbus(m_bus, kGnome, kGnomePath, kGnome, QStringLiteral("Inhibit"),
                                  {product, 0u, why, kGnomeInhibitSuspend}))) {
            m_holder = Holder::Gnome;
            m_cookie = *cookie;
            return;
        }
    }
    if (HasOwner(m_bus, kPowerManagement)) {
        if (const auto cookie =
                CookieOf(CallDbus(m_bus, kPowerManagement, kPowerManagementPath, kPowerManagementInhibit,
                                  QStringLiteral("Inhibit"), {product, why}))) {
            m_holder = Holder::PowerManagement;
            m_cookie = *cookie;
        }
    }
}

void DesktopSuspendInhibitor::Release()
{
    if (!m_holder) {
        return;
    }
    if (*m_holder == Holder::Gnome) {
        CallDbus(m_bus, kGnome, kGnomePath, kGnome, QStringLiteral("Uninhibit"), {m_cookie});
    } else {
        CallDbus(m_bus, kPowerManagement, kPowerManagementPath, kPowerManagementInhibit,
                 QStringLiteral("UnInhibit"), {m_cookie});
    }
    m_holder.reset();
}

}  // namespace quorvel
