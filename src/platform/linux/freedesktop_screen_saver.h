#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariantList>

namespace quorvel {

// org.freedesktop.ScreenSaver on the session bus. Desktops publish it under one of two paths;
// a call tries both.
class FreedesktopScreenSaver {
public:
    explicit FreedesktopScreenSaver(QDBusConnection sessionBus);

    QDBusMessage Call(const QString& method, const QVariantList& arguments = {}) const;

private:
    QDBusConnection m_bus;
};

}  // namespace quorvel
