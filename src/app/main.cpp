#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "app/command_line.h"
#include "app/start_up.h"
#include "core/app_info.h"
#include "platform/local_clock.h"

int main(int argc, char* argv[])
{
    // The language template builds every window, so it needs widgets, but never a display.
    std::unique_ptr<QCoreApplication> app;
    if (quorvel::CommandLine::AsksForLanguageTemplate(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(quorvel::kProductName);
    QCoreApplication::setApplicationVersion(quorvel::kProductVersion);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const quorvel::StartUp startUp =
        quorvel::PrepareStartUp(QCoreApplication::arguments(), out, err, quorvel::CurrentLocalMoment);
    return startUp.exitCode;
}
