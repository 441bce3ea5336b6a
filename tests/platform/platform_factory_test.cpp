#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "core/io/atomic_file.h"
#include "platform/platform_factory.h"

namespace quorvel {
namespace {

LocalMoment FixedMoment()
{
    return LocalMoment{Date{2024, 6, 1}, TimeOfDay{12, 30, 0}, 250};
}

TEST(PlatformFactory, RecordingChoiceAppendsRequestsToTheGivenFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("dry.log")).toStdString();
    const PlatformBuild build = BuildPlatformServices({PlatformBackend::Recording, path}, FixedMoment);
    ASSERT_TRUE(build.services) << build.error;
    build.services->session->PowerOffSystemForced();
    build.services->wakeTimer->CancelWakeTimer();

    std::string contents;
    ASSERT_TRUE(ReadWholeFile(path, contents));
    EXPECT_EQ(contents,
              "2024-06-01T12:30:00.250 PowerOffSystemForced\n"
              "2024-06-01T12:30:00.250 CancelWakeTimer\n");
}

TEST(PlatformFactory, UnopenableFileGivesAMessageNamingIt)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("no/such/folder/dry.log")).toStdString();
    const PlatformBuild build = BuildPlatformServices({PlatformBackend::Recording, path}, FixedMoment);
    EXPECT_FALSE(build.services);
    EXPECT_NE(build.error.find(path), std::string::npos) << build.error;
}

TEST(PlatformFactory, EveryChoiceYieldsAFullSet)
{
    for (const PlatformBackend backend : {PlatformBackend::Linux, PlatformBackend::Recording}) {
        const PlatformBuild build = BuildPlatformServices({backend, {}}, FixedMoment);
        ASSERT_TRUE(build.services) << build.error;
        EXPECT_TRUE(build.services->session && build.services->langManagerStore && build.services->wakeTimer);
    }
}

}  // namespace
}  // namespace quorvel
