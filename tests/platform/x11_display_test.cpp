#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <string>

#include "platform/linux/linux_monitor_power.h"
#include "platform/linux/x11_display.h"
#include "support/qt_test_application.h"

namespace quorvel {
namespace {

// Without an X server (Wayland, a service, a test) nothing happens and nothing breaks.
TEST(X11Display, WithoutAServerEveryCallDoesNothing)
{
    for (const std::string name : {"", ":971", "nohost.invalid:0"}) {
        X11Display display(name);
        EXPECT_FALSE(display.IsOpen()) << name;
        EXPECT_FALSE(display.TurnScreenOff());
        EXPECT_FALSE(display.WakeScreen());
        EXPECT_FALSE(display.IdleTime());
        LinuxMonitorPower(name).TurnMonitorOff();
    }
}

// A virtual X server of the test's own; only its idle time and screen saver are touched.
TEST(X11Display, IdleTimeRestartsWhenWeWakeTheScreen)
{
    EnsureQtApplication();
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    QProcess server;
    server.setStandardErrorFile(QProcess::nullDevice());
    // The server picks a free display and prints its number, so no other server is reached.
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
    ASSERT_TRUE(server.waitForStarted(5000));
    QByteArray printed;
    while (!printed.contains('\n') && server.waitForReadyRead(10000)) {
        printed += server.readAllStandardOutput();
    }
    ASSERT_TRUE(printed.contains('\n')) << "Xvfb printed no display";
    const std::string name = ":" + printed.trimmed().toStdString();

    std::unique_ptr<X11Display> display;
    for (int attempt = 0; attempt < 100 && !(display && display->IsOpen()); ++attempt) {
        QThread::msleep(50);
        display = std::make_unique<X11Display>(name);
    }
    ASSERT_TRUE(display->IsOpen());
    QThread::msleep(600);
    const auto before = display->IdleTime();
    ASSERT_TRUE(before);
    EXPECT_GE(before->count(), 500);
    EXPECT_TRUE(display->WakeScreen());
    const auto after = display->IdleTime();
    ASSERT_TRUE(after);
    EXPECT_LT(after->count(), 400) << "the input watcher must be told when we do this";

    display.reset();
    server.terminate();
    server.waitForFinished(3000);
}

}  // namespace
}  // namespace quorvel
