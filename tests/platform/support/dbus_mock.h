#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <string>
#include <vector>

namespace quorvel {

// One python-dbusmock process on a private bus: a template (logind) or a bare object to which
// the test adds methods. Each call the mock receives is kept, and a test reads them back as
// "Method arg arg", booleans as true/false.
class DbusMock {
public:
    struct Options {
        QString busAddress;
        bool systemBus = false;
        QString templateName;  // or the three below
        QString service;
        QString path;
        QString interface;
        QString parameters;  // a template's JSON parameters
    };

    // Starts the mock and waits until its name is on the bus; check Problem() afterwards.
    DbusMock(QDBusConnection bus, const Options& options);
    ~DbusMock();
    DbusMock(const DbusMock&) = delete;
    DbusMock& operator=(const DbusMock&) = delete;

    const QString& Problem() const { return m_problem; }

    // `code` is python run for each call; it may set `ret` or raise.
    void AddMethod(const QString& path, const QString& interface, const QString& name, const QString& in,
                   const QString& out, const QString& code = {});

    std::vector<std::string> Calls(const QString& path) const;
    void ClearCalls(const QString& path);
    void EmitSignal(const QString& path, const QString& interface, const QString& name,
                    const QString& signature, const QVariantList& arguments);

    // A method call on the mock, as any client would make it.
    QDBusMessage Call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) const;

private:
    QDBusMessage MockCall(const QString& path, const QString& method, const QVariantList& arguments) const;

    QDBusConnection m_bus;
    QString m_service;
    QProcess m_process;
    QString m_problem;
};

}  // namespace quorvel
