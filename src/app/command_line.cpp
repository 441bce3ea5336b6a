#include "app/command_line.h"

#include <QDir>
#include <string>
#include <string_view>

#include "core/app_info.h"
#include "core/time/moment_text.h"

namespace quorvel {
namespace {

const QString kDryRunFlag = QStringLiteral("--dry-run");
const QString kDryRunWithFile = QStringLiteral("--dry-run=");

QString MomentTextForm()
{
    return QString::fromLatin1(kMomentTextForm.data(), qsizetype(kMomentTextForm.size()));
}

}  // namespace

CommandLine::CommandLine()
    : m_dataDirOption(QStringLiteral("data-dir"),
                      QStringLiteral("Keep wake.ini, task.dat and log.txt in DIR instead of "
                                     "$XDG_DATA_HOME/Quorvel (default ~/.local/share/Quorvel)."),
                      QStringLiteral("DIR")),
      m_dryRunOption(QStringLiteral("dry-run"),
                     QStringLiteral("Record power, session, program, process and clock requests instead "
                                    "of carrying them out: --dry-run=FILE appends one line per request "
                                    "to FILE, --dry-run alone writes them to standard error.")),
      m_listOption(QStringLiteral("list"),
                   QStringLiteral("Print the scheduled tasks in list order, one line each: the next date, a "
                                  "tab, the status, a tab and the line the task list shows; then end. "
                                  "Starts no window and writes no file.")),
      m_nowOption(QStringLiteral("now"),
                  QStringLiteral("With --list: date the tasks as if the local time were MOMENT, written "
                                 "%1, instead of the clock's.")
                      .arg(MomentTextForm()),
                  QStringLiteral("MOMENT")),
      m_languageTemplateOption(QLatin1String(kLanguageTemplateOption),
                               QStringLiteral("Write an English language file holding every text of the "
                                              "program to FILE, as the start of a translation, and end."),
                               QStringLiteral("FILE")),
      m_helpOption(m_parser.addHelpOption()),
      m_versionOption(m_parser.addVersionOption())
{
    m_parser.setApplicationDescription(
        QStringLiteral("Carries out scheduled tasks from the notification area."));
    m_parser.addOption(m_dataDirOption);
    m_parser.addOption(m_dryRunOption);
    m_parser.addOption(m_listOption);
    m_parser.addOption(m_nowOption);
    m_parser.addOption(m_languageTemplateOption);
}

QString CommandLine::VersionText()
{
    return QStringLiteral("%1 %2").arg(QLatin1String(kProductName), QLatin1String(kProductVersion));
}

CommandLineAction CommandLine::Parse(const QStringList& arguments)
{
    m_options = CommandLineOptions{};
    m_error.clear();

    // The parser knows no optional values: take the file off "--dry-run=FILE" and leave the plain
    // flag for it. Anything after "--" is not an option and stays as it is.
    QStringList forParser;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool isOption = i > 0 && !optionsEnded;
        if (isOption && argument == QLatin1String("--")) {
            optionsEnded = true;
        }
        if (isOption && argument.startsWith(kDryRunWithFile)) {
            m_options.dryRunFile = argument.mid(kDryRunWithFile.size());
            if (m_options.dryRunFile.isEmpty()) {
                return Failure(QStringLiteral("--dry-run= needs a file name."));
            }
            forParser.append(kDryRunFlag);
            continue;
        }
        if (isOption && argument == kDryRunFlag) {
            // The last form given wins, as for every other option.
            m_options.dryRunFile.clear();
        }
        forParser.append(argument);
    }

    if (!m_parser.parse(forParser)) {
        return Failure(m_parser.errorText());
    }
    if (m_parser.isSet(m_versionOption)) {
        return CommandLineAction::ShowVersion;
    }
    if (m_parser.isSet(m_helpOption) || m_parser.isSet(QStringLiteral("help-all"))) {
        return CommandLineAction::ShowHelp;
    }
    if (const QStringList extra = m_parser.positionalArguments(); !extra.isEmpty()) {
        return Failure(QStringLiteral("Unexpected argument '%1'.").arg(extra.first()));
    }
    const bool list = m_parser.isSet(m_listOption);
    if (m_parser.isSet(m_nowOption)) {
        if (!list) {
            return Failure(QStringLiteral("--now goes with --list only."));
        }
        const QString text = m_parser.value(m_nowOption);
        m_options.listAt = ParseMomentText(text.toStdString());
        if (!m_options.listAt) {
            return Failure(QStringLiteral("--now needs a local date and time written as %1, not '%2'.")
                               .arg(MomentTextForm(), text));
        }
    }
    if (m_parser.isSet(m_languageTemplateOption)) {
        m_options.languageTemplateFile = m_parser.value(m_languageTemplateOption);
        if (m_options.languageTemplateFile.isEmpty()) {
            return Failure(QStringLiteral("--write-language-template needs a file name."));
        }
        return CommandLineAction::WriteLanguageTemplate;
    }
    m_options.dryRun = m_parser.isSet(m_dryRunOption);
    if (m_parser.isSet(m_dataDirOption)) {
        const QString dir = m_parser.value(m_dataDirOption);
        if (dir.isEmpty()) {
            return Failure(QStringLiteral("--data-dir needs a folder name."));
        }
        // Absolute now, so a later change of the working folder cannot move the data.
        m_options.dataDir = QDir::cleanPath(QDir::current().absoluteFilePath(dir));
    }
    return list ? CommandLineAction::List : CommandLineAction::Run;
}

bool CommandLine::AsksForLanguageTemplate(int argc, const char* const* argv)
{
    const std::string option = std::string("--") + kLanguageTemplateOption;
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--") {
            break;
        }
        if (argument == option || argument.starts_with(option + "=")) {
            return true;
        }
    }
    return false;
}

CommandLineAction CommandLine::Failure(const QString& message)
{
    m_error = QStringLiteral("%1: %2").arg(QLatin1String(kProductName), message);
    return CommandLineAction::Fail;
}

}  // namespace quorvel
