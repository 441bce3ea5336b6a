#include "platform/linux/linux_launcher.h"

#include <QProcess>
#include <QStringList>
#include <QtDebug>

#include "core/executor/argument_split.h"
#include "platform/task_text_decoding.h"

namespace quorvel {

void LinuxLauncher::StartProgram(const std::string& program, const std::string& parameters)
{
    if (program.empty()) {
        return;
    }
    const ArgumentSplit split = SplitArguments(parameters);
    if (split.error != ArgumentSplitError::None) {
        qWarning("Not starting %s: its parameters leave a quote open at character %zu", program.c_str(),
                 split.errorOffset + 1);
        return;
    }
    QStringList arguments;
    for (const std::string& argument : split.arguments) {
        arguments.append(DecodeTaskText(argument));
    }
    if (!QProcess::startDetached(DecodeTaskText(program), arguments)) {
        qWarning("Could not start %s", program.c_str());
    }
}

void LinuxLauncher::ShellOpen(const std::string& target)
{
    if (target.empty()) {
        return;
    }
    const QString decoded = DecodeTaskText(target);
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {decoded})) {
        return;
    }
    if (!QProcess::startDetached(QStringLiteral("gio"), {QStringLiteral("open"), decoded})) {
        qWarning("Could not open %s: neither xdg-open nor gio can be started", target.c_str());
    }
}

}  // namespace quorvel
