#include "platform/linux/linux_power_options.h"

#include <QDebug>
#include <QProcess>
#include <QStandardPaths>

#include "platform/linux/power_settings_commands.h"

namespace quorvel {

LinuxPowerOptions::LinuxPowerOptions(QString currentDesktop, QStringList searchPath)
    : m_currentDesktop(std::move(currentDesktop)), m_searchPath(std::move(searchPath))
{
}

void LinuxPowerOptions::OpenPowerOptions()
{
    for (const ProgramCommand& command : PowerSettingsCommands(m_currentDesktop)) {
        const QString path = QStandardPaths::findExecutable(command.program, m_searchPath);
        if (!path.isEmpty() && QProcess::startDetached(path, command.arguments)) {
            return;
        }
    }
    qInfo() << "No power settings program found for desktop" << m_currentDesktop;
}

}  // namespace quorvel
