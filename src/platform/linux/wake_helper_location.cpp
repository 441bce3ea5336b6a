#include "platform/linux/wake_helper_location.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel {

QString FindWakeHelper(const QString& programFolder)
{
    const QDir folder(programFolder);
    const QString name = QStringLiteral("quorvel-wake-helper");
    for (const QString& candidate :
         {folder.filePath(name), folder.filePath(QStringLiteral(QUORVEL_WAKE_HELPER_FROM_BIN "/") + name)}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isExecutable()) {
            return QDir::cleanPath(file.absoluteFilePath());
        }
    }
    return {};
}

}  // namespace quorvel
