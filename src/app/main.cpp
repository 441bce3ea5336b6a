#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <optional>

#include "app/start_up.h"
#include "app/tray_program.h"
#include "core/app_info.h"
#include "platform/local_clock.h"

namespace {

void NameTheApplication()
{
    QCoreApplication::setApplicationName(quorvel::kProductName);
    QCoreApplication::setApplicationVersion(quorvel::kProductVersion);
}

}  // namespace

int main(int argc, char* argv[])
{
    // The command line is read without a display, so --help and --version work on a bare console.
    std::optional<quorvel::StartUp> startUp;
    {
        QCoreApplication console(argc, argv);
        NameTheApplication();
        QTextStream out(stdout);
        QTextStream err(stderr);
        startUp =
            quorvel::PrepareStartUp(QCoreApplication::arguments(), out, err, quorvel::CurrentLocalMoment);
    }
    if (!startUp->proceed) {
        return startUp->exitCode;
    }

    QApplication app(argc, argv);
    NameTheApplication();
    return quorvel::RunTrayProgram(*startUp);
}
