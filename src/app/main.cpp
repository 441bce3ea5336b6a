#include <QCoreApplication>
#include <QCommandLineParser>

#include "core/app_info.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(quorvel::kProductName);
    QCoreApplication::setApplicationVersion(quorvel::kProductVersion);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    return 0;
}
