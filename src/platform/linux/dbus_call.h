#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QString>
#include <QVariantList>

namespace quorvel {

// One method call that waits for its answer, but not for long: a service that hangs must not
// freeze the tray for more than a few seconds.
QDBusMessage CallDbus(const QDBusConnection& bus, const QString& service, const QString& path,
                      const QString& interface, const QString& method, const QVariantList& arguments = {});

// The answer of a call that did not succeed; no error (isValid() false) when it did.
QDBusError ErrorOf(const QDBusMessage& reply);

// A service's own message on one line, for the diagnostic lines: some services answer with a
// whole traceback.
QString OneLineMessage(const QDBusError& error);

// True when the service refused for want of rights, not for want of a service or a method.
bool IsRefusal(const QDBusError& error);

// True when somebody owns `service` on `bus`, so calling it has a chance.
bool HasOwner(const QDBusConnection& bus, const QString& service);

}  // namespace quorvel
