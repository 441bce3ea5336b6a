#include <gtest/gtest.h>

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

}  // namespace
