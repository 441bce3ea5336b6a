#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>

#include "platform/linux/lock_file_single_instance.h"

using quorvel::LockFileSingleInstance;
using Role = quorvel::SingleInstance::Role;

namespace {

void EnsureCoreApplication()
{
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QCoreApplication(argc, argv);
    }
}

// A process id that surely belongs to no running process: a child that has already been reaped.
qint64 DeadPid()
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureCoreApplication();
        ASSERT_TRUE(m_dir.isValid());
    }
    QString Folder() const { return m_dir.path(); }

    QTemporaryDir m_dir;
};

TEST_F(SingleInstanceTest, FirstCopyRunsAndASecondHandsOverOneByte)
{
    LockFileSingleInstance first(Folder());
    ASSERT_EQ(first.Claim(), Role::First);
    QSignalSpy handOffs(&first, &quorvel::SingleInstance::HandOffReceived);

    LockFileSingleInstance second(Folder());
    EXPECT_EQ(second.Claim(), Role::Second);
    EXPECT_TRUE(handOffs.wait(2000));
    EXPECT_EQ(handOffs.count(), 1);
}

TEST_F(SingleInstanceTest, OnlyTheOwnerCanReachTheSocket)
{
    LockFileSingleInstance first(Folder());
    ASSERT_EQ(first.Claim(), Role::First);
    const QFileInfo socket(first.SocketPath());
    ASSERT_TRUE(socket.exists());
    const auto foreign =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    EXPECT_EQ(socket.permissions() & foreign, QFileDevice::Permissions{});
}

TEST_F(SingleInstanceTest, ALockLeftByACrashedCopyIsTakenOver)
{
    // A lock file in QLockFile's own layout whose holder is gone, plus its leftover socket file.
    QFile lock(QDir(Folder()).filePath("Horalux.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(DeadPid()) + "\nquorvel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QFile leftover(QDir(Folder()).filePath("Horalux"));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    LockFileSingleInstance restarted(Folder());
    EXPECT_EQ(restarted.Claim(), Role::First);
    QSignalSpy handOffs(&restarted, &quorvel::SingleInstance::HandOffReceived);
    LockFileSingleInstance later(Folder());
    EXPECT_EQ(later.Claim(), Role::Second);
    EXPECT_TRUE(handOffs.wait(2000));
}

TEST_F(SingleInstanceTest, ALiveCopysOldLockIsNeverTakenOver)
{
    LockFileSingleInstance first(Folder());
    ASSERT_EQ(first.Claim(), Role::First);
    // A copy that has run for a day: its lock file is old but its holder lives.
    QFile lock(first.LockPath());
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        lock.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    lock.close();

    LockFileSingleInstance second(Folder());
    EXPECT_EQ(second.Claim(), Role::Second);
}

TEST_F(SingleInstanceTest, ASecondCopyEndsEvenWhenTheFirstDoesNotListen)
{
    // The holder of the lock is alive (this process) but nobody listens on the socket.
    QLockFile holder(QDir(Folder()).filePath("Horalux.lock"));
    ASSERT_TRUE(holder.tryLock(0));
    LockFileSingleInstance second(Folder());
    EXPECT_EQ(second.Claim(), Role::Second);
}

TEST_F(SingleInstanceTest, RuntimeFolderPrefersAPrivateXdgRuntimeDir)
{
    const QString data = QDir(Folder()).filePath("data");
    ASSERT_TRUE(QDir().mkpath(data));
    const QString runtime = QDir(Folder()).filePath("run");
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(quorvel::RuntimeFolderForSingleInstance(runtime, data), runtime);

    // Missing, shared with others, or too long for a socket address: the data folder serves.
    EXPECT_EQ(quorvel::RuntimeFolderForSingleInstance("", data), data);
    EXPECT_EQ(quorvel::RuntimeFolderForSingleInstance(QDir(Folder()).filePath("none"), data), data);
    QFile::setPermissions(runtime, QFile::permissions(runtime) | QFileDevice::WriteOther);
    EXPECT_EQ(quorvel::RuntimeFolderForSingleInstance(runtime, data), data);
    const QString deep = QDir(data).filePath(QString(120, 'd'));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString chosen = quorvel::RuntimeFolderForSingleInstance("", deep);
    EXPECT_NE(chosen, deep);
    EXPECT_LT(QFile::encodeName(chosen + "/Horalux").size(), 100);
}

}  // namespace
