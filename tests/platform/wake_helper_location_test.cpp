#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/io/atomic_file.h"
#include "platform/linux/wake_helper_location.h"

namespace quorvel {
namespace {

class HelperLocation : public testing::Test {
protected:
    QString Put(const QString& relative, unsigned mode)
    {
        const QString path = m_root.filePath(relative);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        EXPECT_EQ(WriteFileAtomically(path.toStdString(), "#!/bin/sh\n", mode), "");
        return path;
    }
    QString Bin() const { return m_root.filePath(QStringLiteral("bin")); }

    QTemporaryDir m_root;
};

TEST_F(HelperLocation, InstalledHelperIsFoundFromTheProgramsFolder)
{
    const QString installed = Put(QStringLiteral("libexec/quorvel/quorvel-wake-helper"), 0755);
    ASSERT_TRUE(QDir().mkpath(Bin()));
    EXPECT_EQ(FindWakeHelper(Bin()), installed);
}

TEST_F(HelperLocation, OneNextToTheProgramComesFirst)
{
    Put(QStringLiteral("libexec/quorvel/quorvel-wake-helper"), 0755);
    const QString beside = Put(QStringLiteral("bin/quorvel-wake-helper"), 0755);
    EXPECT_EQ(FindWakeHelper(Bin()), beside);
}

TEST_F(HelperLocation, NoExecutableHelperMeansNone)
{
    Put(QStringLiteral("bin/quorvel-wake-helper"), 0644);
    EXPECT_EQ(FindWakeHelper(Bin()), QString());
}

}  // namespace
}  // namespace quorvel
