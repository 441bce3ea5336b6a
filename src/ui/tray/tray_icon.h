#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>

class QMenu;

namespace quorvel {

// The notification-area icon with its two images (0 normal, 1 pressed) and its hint.
class TrayIcon final : public QObject {
    Q_OBJECT

public:
    // The notification area shows no more of the hint than this.
    static constexpr int kHintLimit = 127;

    TrayIcon(QIcon normal, QIcon pressed, QObject* parent = nullptr);

    void Show() { m_icon.show(); }
    void Hide() { m_icon.hide(); }
    bool IsVisible() const { return m_icon.isVisible(); }

    void SetHint(const QString& hint);
    QString Hint() const { return m_icon.toolTip(); }
    const QIcon& Image(int index) const { return m_images[index]; }
    void SetImage(int index);
    int ImageIndex() const { return m_imageIndex; }
    void SetMenu(QMenu* menu);

    // The hint as the notification area shows it: its first 127 characters, without the carriage
    // returns that would show as boxes in a tool tip.
    static QString ShownHint(const QString& hint);

    // What the notification area reports about the mouse on the icon: a press shows image 1 for a
    // moment (the area reports no mouse leaving), a double click image 0 and the default action.
    void Activated(QSystemTrayIcon::ActivationReason reason);

signals:
    // A left double click: the window should come back.
    void DefaultActionRequested();

private:
    QIcon m_images[2];
    int m_imageIndex = 0;
    QSystemTrayIcon m_icon;
    QTimer m_release;  // the pressed look fades back on its own: the tray reports no mouse leaving
};

}  // namespace quorvel
