#include "platform/ini_lang_manager_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "platform/platform_factory.h"

namespace quorvel {
namespace {

std::string ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

class IniLangManagerStoreTest : public testing::Test {
protected:
    QString StorePath() const { return m_dir.filePath(QStringLiteral("config/Brenholt/LangManager.ini")); }
    IniLangManagerStore Store() const { return IniLangManagerStore(StorePath().toStdString()); }

    QTemporaryDir m_dir;
};

TEST_F(IniLangManagerStoreTest, ReadsEmptyWhileNothingIsStored)
{
    EXPECT_EQ(Store().LanguageExtension(), "");
    EXPECT_EQ(Store().ProgramFolder(), "");
}

TEST_F(IniLangManagerStoreTest, WritesBothValuesBesideOtherProgramsOnes)
{
    QDir().mkpath(QFileInfo(StorePath()).absolutePath());
    QFile other(StorePath());
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[LangManager]\r\nOtherTool.exe=.JPN\r\nOtherTool=C:\\Tools\r\n");
    other.close();

    IniLangManagerStore store = Store();
    store.SetLanguageExtension(".FRA");
    store.SetProgramFolder("/opt/quorvel/bin//");

    EXPECT_EQ(Store().LanguageExtension(), ".FRA");
    EXPECT_EQ(Store().ProgramFolder(), "/opt/quorvel/bin");
    EXPECT_EQ(ReadFile(StorePath()),
              "[LangManager]\r\nOtherTool.exe=.JPN\r\nOtherTool=C:\\Tools\r\nQuorvel.exe=.FRA\r\n"
              "Quorvel=/opt/quorvel/bin\r\n");
}

TEST_F(IniLangManagerStoreTest, CreatesTheSharedFolderOnFirstWrite)
{
    Store().SetLanguageExtension(".DEU");

    EXPECT_TRUE(QFile::exists(StorePath()));
    EXPECT_EQ(Store().LanguageExtension(), ".DEU");
}

TEST_F(IniLangManagerStoreTest, FailedWriteIsReportedAndLosesNothingElse)
{
    QFile blocker(m_dir.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();

    testing::internal::CaptureStderr();
    Store().SetLanguageExtension(".DEU");
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_NE(said.find("Unable to write to " + StorePath().toStdString()), std::string::npos) << said;
    EXPECT_EQ(Store().LanguageExtension(), "");
}

TEST(IniLangManagerStore, DefaultPathFollowsXdgConfigHome)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/quorvel-config-home");
    const std::string path = IniLangManagerStore::DefaultPath();
    qputenv("XDG_CONFIG_HOME", saved);

    EXPECT_EQ(path, "/tmp/quorvel-config-home/Brenholt/LangManager.ini");
}

TEST(IniLangManagerStore, LinuxServicesUseItAndDryRunsDoNot)
{
    const auto clock = [] { return LocalMoment{}; };
    PlatformChoice linux;
    const PlatformBuild real = BuildPlatformServices(linux, clock);
    ASSERT_TRUE(real.services);
    EXPECT_NE(dynamic_cast<IniLangManagerStore*>(real.services->langManagerStore.get()), nullptr);

    QTemporaryDir dir;
    PlatformChoice dryRun{PlatformBackend::Recording,
                          dir.filePath(QStringLiteral("requests.log")).toStdString()};
    const PlatformBuild recorded = BuildPlatformServices(dryRun, clock);
    ASSERT_TRUE(recorded.services);
    EXPECT_EQ(dynamic_cast<IniLangManagerStore*>(recorded.services->langManagerStore.get()), nullptr);
}

}  // namespace
}  // namespace quorvel
