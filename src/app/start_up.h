#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

#include "platform/platform_services.h"
#include "platform/recording/request_log.h"

namespace quorvel {

struct StartUp {
    bool proceed = false;  // false: end the process now with exitCode
    int exitCode = 0;
    QString dataDir;
    std::optional<PlatformServices> services;
};

// Everything before the first window: the command line, DataDir and the platform services.
// Help, version and the --list schedule go to `out`, errors to `err`; an error gives exit code 1.
// `clock` stamps recorded requests and gives --list its moment when none is named.
StartUp PrepareStartUp(const QStringList& arguments, QTextStream& out, QTextStream& err,
                       const RequestLog::Clock& clock);

}  // namespace quorvel
