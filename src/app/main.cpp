#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <memory>
#include <optional>

#include "app/command_line.h"
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

// The command line is read without a display, so --help and --version work on a bare console.
// Only the language template builds windows: it gets widgets, drawn on no display either.
std::unique_ptr<QCoreApplication> ConsoleApplication(int& argc, char** argv)
{
    if (quorvel::CommandLine::AsksForLanguageTemplate(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[])
{
    std::optional<quorvel::StartUp> startUp;
    {
        const auto console = ConsoleApplication(argc, argv);
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
