#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <memory>

#include "platform/single_instance.h"

namespace quorvel {

// Single instance by a lock file and a user-only local socket in one per-user folder. The lock
// decides who runs (a lock left by a crashed copy is taken over); the socket carries the hand-off,
// one zero byte.
class LockFileSingleInstance final : public SingleInstance {
    Q_OBJECT

public:
    // `folder` must be private to the user, e.g. RuntimeFolderForSingleInstance().
    explicit LockFileSingleInstance(QString folder, QString name = QStringLiteral("Horalux"),
                                    QObject* parent = nullptr);
    ~LockFileSingleInstance() override;

    Role Claim() override;

    QString LockPath() const;
    QString SocketPath() const;

private:
    void Listen();
    void AcceptHandOff();
    void HandOver() const;

    QString m_folder;
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

// The folder for the lock and the socket: $XDG_RUNTIME_DIR when usable, else `dataDir`, else a
// private folder under /tmp named with the user id. Arguments instead of the environment so that
// tests choose.
QString RuntimeFolderForSingleInstance(const QString& xdgRuntimeDir, const QString& dataDir);

}  // namespace quorvel
