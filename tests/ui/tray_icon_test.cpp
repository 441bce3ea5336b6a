#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "support/ui_test_support.h"
#include "ui/tray/tray_icon.h"

using quorvel::TrayIcon;

namespace {

TEST(TrayIcon, HintShowsAtMostItsFirst127Characters)
{
    struct Case {
        QString hint;
        QString shown;
    };
    const QString longHint = QString(126, 'a') + "bcd";
    const QString pairAtCut = QString(126, 'a') + QString::fromUtf8("\xF0\x9F\x95\x91") + "z";
    for (const Case& c :
         {Case{"", ""}, Case{QString(127, 'x'), QString(127, 'x')}, Case{longHint, QString(126, 'a') + "b"},
          Case{pairAtCut, QString(126, 'a')},
          Case{"Upcoming event:None\n\rLast event:None", "Upcoming event:None\nLast event:None"}}) {
        EXPECT_EQ(TrayIcon::ShownHint(c.hint), c.shown) << c.hint.toStdString();
    }
}

TEST(TrayIcon, PressShowsThePressedImageUntilReleasedOrDoubleClicked)
{
    quorvel::test::EnsureApplication();
    TrayIcon tray(QIcon(QStringLiteral(":/quorvel/quorvel.png")),
                  QIcon(QStringLiteral(":/quorvel/quorvel_pressed.png")));
    QSignalSpy defaultAction(&tray, &TrayIcon::DefaultActionRequested);
    QMenu menu;
    tray.SetMenu(&menu);

    for (const auto press :
         {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick}) {
        tray.Activated(press);
        EXPECT_EQ(tray.ImageIndex(), 1) << press;
        // The pressed look fades back by itself.
        EXPECT_TRUE(QTest::qWaitFor([&] { return tray.ImageIndex() == 0; }, 2000)) << press;
    }
    EXPECT_EQ(defaultAction.count(), 0);

    // The double click's own press is followed by image 0 at once, and by the default action.
    tray.Activated(QSystemTrayIcon::Trigger);
    tray.Activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(tray.ImageIndex(), 0);
    EXPECT_EQ(defaultAction.count(), 1);

    // The menu closing puts image 0 back too.
    tray.Activated(QSystemTrayIcon::Context);
    emit menu.aboutToHide();
    EXPECT_EQ(tray.ImageIndex(), 0);
}

}  // namespace
