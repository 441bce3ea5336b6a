#pragma once

#include <QString>
#include <QStringList>

#include "platform/power_options.h"

namespace quorvel {

// Starts the desktop's power settings window, found on the search path, without a shell.
class LinuxPowerOptions final : public PowerOptions {
public:
    // `searchPath` empty: the folders of PATH.
    LinuxPowerOptions(QString currentDesktop, QStringList searchPath);

    void OpenPowerOptions() override;

private:
    QString m_currentDesktop;
    QStringList m_searchPath;
};

}  // namespace quorvel
