#include "app/start_up.h"

#include "app/command_line.h"
#include "app/data_dir.h"
#include "app/list_command.h"
#include "app/lang_template_command.h"
#include "core/app_info.h"
#include "platform/platform_factory.h"

namespace quorvel {
namespace {

StartUp EndWith(int exitCode)
{
    StartUp result;
    result.exitCode = exitCode;
    return result;
}

StartUp Fail(QTextStream& err, const QString& message)
{
    err << kProductName << ": " << message << '\n';
    err.flush();
    return EndWith(1);
}

}  // namespace

StartUp PrepareStartUp(const QStringList& arguments, QTextStream& out, QTextStream& err,
                       const RequestLog::Clock& clock)
{
    CommandLine commandLine;
    switch (commandLine.Parse(arguments)) {
        case CommandLineAction::Fail:
            err << commandLine.ErrorText() << '\n';
            err.flush();
            return EndWith(1);
        case CommandLineAction::ShowHelp:
            out << commandLine.HelpText();
            out.flush();
            return EndWith(0);
        case CommandLineAction::ShowVersion:
            out << CommandLine::VersionText() << '\n';
            out.flush();
            return EndWith(0);
        case CommandLineAction::List:
            return EndWith(RunListCommand(commandLine.Options(), out, err, clock));
        case CommandLineAction::WriteLanguageTemplate:
            return EndWith(WriteLanguageTemplateCommand(commandLine.Options().languageTemplateFile, err));
        case CommandLineAction::Run:
            break;
    }

    const CommandLineOptions& options = commandLine.Options();
    StartUp result;
    result.dataDir = ResolveDataDirFromEnvironment(options.dataDir);
    if (const QString problem = PrepareDataDir(result.dataDir); !problem.isEmpty()) {
        return Fail(err, problem);
    }

    PlatformChoice choice;
    choice.backend = options.dryRun ? PlatformBackend::Recording : PlatformBackend::Linux;
    choice.requestLogFile = options.dryRunFile.toStdString();
    PlatformBuild build = BuildPlatformServices(choice, clock);
    if (!build.services) {
        return Fail(err, QString::fromStdString(build.error));
    }
    result.services = std::move(build.services);
    result.proceed = true;
    return result;
}

}  // namespace quorvel
