#include "platform/linux/lock_file_single_instance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>

namespace quorvel {

namespace {

// sockaddr_un holds 108 bytes with the terminating zero; stay clear of it.
constexpr qsizetype kMaxSocketPath = 100;

// How long a later copy keeps trying to reach a first copy that may still be starting.
constexpr int kHandOverMs = 1500;

bool IsPrivateFolder(const QString& folder)
{
    struct stat info {};
    const QByteArray path = QFile::encodeName(folder);
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool SocketFits(const QString& folder)
{
    return QFile::encodeName(folder + QStringLiteral("/Horalux")).size() < kMaxSocketPath;
}

}  // namespace

QString RuntimeFolderForSingleInstance(const QString& xdgRuntimeDir, const QString& dataDir)
{
    if (!xdgRuntimeDir.isEmpty() && IsPrivateFolder(xdgRuntimeDir) && SocketFits(xdgRuntimeDir)) {
        return xdgRuntimeDir;
    }
    if (!dataDir.isEmpty() && QFileInfo(dataDir).isDir() && SocketFits(dataDir)) {
        return dataDir;
    }
    const QString tmp = QStringLiteral("/tmp/quorvel-%1").arg(::getuid());
    ::mkdir(QFile::encodeName(tmp).constData(), 0700);
    // Someone else's folder of that name must not receive our socket: then use the data folder
    // with whatever path length it has.
    return IsPrivateFolder(tmp) ? tmp : dataDir;
}

LockFileSingleInstance::LockFileSingleInstance(QString folder, QString name, QObject* parent)
    : SingleInstance(parent), m_folder(std::move(folder)), m_name(std::move(name))
{
    connect(&m_server, &QLocalServer::newConnection, this, &LockFileSingleInstance::AcceptHandOff);
}

LockFileSingleInstance::~LockFileSingleInstance() = default;

QString LockFileSingleInstance::LockPath() const
{
    return QDir(m_folder).filePath(m_name + QStringLiteral(".lock"));
}

QString LockFileSingleInstance::SocketPath() const
{
    return QDir(m_folder).filePath(m_name);
}

SingleInstance::Role LockFileSingleInstance::Claim()
{
    m_lock = std::make_unique<QLockFile>(LockPath());
    // A running copy never refreshes its lock; only a dead holder makes it stale, never its age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        Listen();
        return Role::First;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        std::fprintf(stderr, "quorvel: cannot create %s; another copy may run at the same time\n",
                     qPrintable(LockPath()));
        return Role::First;
    }
    HandOver();
    return Role::Second;
}

void LockFileSingleInstance::Listen()
{
    // Holding the lock, any socket file left behind belongs to a copy that is gone.
    QLocalServer::removeServer(SocketPath());
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(SocketPath())) {
        std::fprintf(stderr,
                     "quorvel: cannot listen on %s: %s; a later start will not bring this window back\n",
                     qPrintable(SocketPath()), qPrintable(m_server.errorString()));
    }
}

void LockFileSingleInstance::AcceptHandOff()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        // The byte's value means nothing; drain it and let the socket go when the sender leaves.
        connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        emit HandOffReceived();
    }
}

void LockFileSingleInstance::HandOver() const
{
    const QDeadlineTimer deadline(kHandOverMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(int(qMin<qint64>(200, deadline.remainingTime())))) {
            socket.write(QByteArray(1, '\0'));
            socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
            return;
        }
        // The first copy holds the lock but may not listen yet.
        QThread::msleep(50);
    }
}

}  // namespace quorvel
