#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quorvel {

struct ProgramCommand {
    QString program;
    QStringList arguments;

    bool operator==(const ProgramCommand&) const = default;
};

// The power settings windows worth trying, best first: the one of the desktop XDG_CURRENT_DESKTOP
// names (a colon-separated list, any letter case), then every other known one, since a user may
// run one desktop's settings under another.
QList<ProgramCommand> PowerSettingsCommands(const QString& currentDesktop);

}  // namespace quorvel
