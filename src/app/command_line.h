#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/time/civil_time.h"

namespace quorvel {

enum class CommandLineAction { Run, ShowHelp, ShowVersion, List, WriteLanguageTemplate, Fail };

struct CommandLineOptions {
    QString dataDir;  // empty: the default folder
    bool dryRun = false;
    QString dryRunFile;            // empty: standard error
    QString languageTemplateFile;  // with WriteLanguageTemplate: where to write it
    // With List: the moment to date the tasks at; none means the clock's.
    std::optional<LocalMoment> listAt;
};

// The program's options. Parsing never prints or exits, so callers and tests decide what to do
// with help, version and errors.
class CommandLine {
public:
    CommandLine();

    // `arguments` starts with the program's name, as QCoreApplication::arguments() does.
    CommandLineAction Parse(const QStringList& arguments);

    const CommandLineOptions& Options() const { return m_options; }

    // After Fail: what was wrong, as "Quorvel: ..." without a line end.
    const QString& ErrorText() const { return m_error; }

    // Needs a QCoreApplication, which names the program in the usage line.
    QString HelpText() const { return m_parser.helpText(); }

    static QString VersionText();

    // True when the arguments ask for the language template, which needs a widget application
    // object; checked before any application object exists, so it only looks, never parses.
    static bool AsksForLanguageTemplate(int argc, const char* const* argv);
    static constexpr const char* kLanguageTemplateOption = "write-language-template";

private:
    CommandLineAction Failure(const QString& message);

    QCommandLineParser m_parser;
    QCommandLineOption m_dataDirOption;
    QCommandLineOption m_dryRunOption;
    QCommandLineOption m_listOption;
    QCommandLineOption m_nowOption;
    QCommandLineOption m_languageTemplateOption;
    QCommandLineOption m_helpOption;
    QCommandLineOption m_versionOption;
    CommandLineOptions m_options;
    QString m_error;
};

}  // namespace quorvel
