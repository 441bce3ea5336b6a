#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "app/start_up.h"
#include "core/app_info.h"
#include "platform/local_clock.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(quorvel::kProductName);
    QCoreApplication::setApplicationVersion(quorvel::kProductVersion);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const quorvel::StartUp startUp =
        quorvel::PrepareStartUp(QCoreApplication::arguments(), out, err, quorvel::CurrentLocalMoment);
    return startUp.exitCode;
}
