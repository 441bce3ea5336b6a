#include "ui/tray/tray_icon.h"

#include <QMenu>

namespace quorvel {

namespace {

constexpr int kPressedLookMs = 400;

}  // namespace

TrayIcon::TrayIcon(QIcon normal, QIcon pressed, QObject* parent)
    : QObject(parent), m_images{std::move(normal), std::move(pressed)}
{
    m_icon.setIcon(m_images[0]);
    m_release.setSingleShot(true);
    m_release.setInterval(kPressedLookMs);
    connect(&m_release, &QTimer::timeout, this, [this] { SetImage(0); });
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::Activated);
}

QString TrayIcon::ShownHint(const QString& hint)
{
    QString shown = hint.left(kHintLimit);
    // Never leave half of a surrogate pair at the cut.
    if (hint.size() > kHintLimit && shown.back().isHighSurrogate()) {
        shown.chop(1);
    }
    shown.remove(QLatin1Char('\r'));
    return shown;
}

void TrayIcon::SetHint(const QString& hint)
{
    m_icon.setToolTip(ShownHint(hint));
}

void TrayIcon::SetImage(int index)
{
    if (index < 0 || index > 1 || index == m_imageIndex) {
        return;
    }
    m_imageIndex = index;
    m_icon.setIcon(m_images[index]);
}

void TrayIcon::SetMenu(QMenu* menu)
{
    m_icon.setContextMenu(menu);
    if (menu != nullptr) {
        connect(menu, &QMenu::aboutToHide, this, [this] { SetImage(0); });
    }
}

void TrayIcon::Activated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
        case QSystemTrayIcon::DoubleClick:
            m_release.stop();
            SetImage(0);
            emit DefaultActionRequested();
            break;
        case QSystemTrayIcon::Trigger:
        case QSystemTrayIcon::Context:
        case QSystemTrayIcon::MiddleClick:
            SetImage(1);
            m_release.start();
            break;
        case QSystemTrayIcon::Unknown:
            break;
    }
}

}  // namespace quorvel
