#include "ui_test_support.h"

#include <QApplication>

namespace quorvel::test {

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

void RecordedRequests::SetScreenSaver(bool active)
{
    lines << QStringLiteral("SetScreenSaver %1").arg(active ? 1 : 0);
}

void RecordedRequests::LockDesktop()
{
    lines << QStringLiteral("LockDesktop");
}

void RecordedRequests::ApplyResumePasswordPolicy(bool on)
{
    lines << QStringLiteral("ApplyResumePasswordPolicy %1").arg(on ? 1 : 0);
}

void RecordedRequests::StartPowerOnTest()
{
    lines << QStringLiteral("StartPowerOnTest");
}

void RecordedRequests::StartStartupTimeSync()
{
    lines << QStringLiteral("StartStartupTimeSync");
}

AutoLogonValues RecordedRequests::ReadAutoLogon()
{
    return autoLogon;
}

QString RecordedRequests::ReadRunValue()
{
    return runValue;
}

void RecordedRequests::WriteLangManagerProgramFolder(const QString& folder)
{
    lines << QStringLiteral("WriteLangManagerProgramFolder ") + folder;
}

void RecordedRequests::ShellOpen(const QString& target)
{
    lines << QStringLiteral("ShellOpen ") + target;
}

}  // namespace quorvel::test
