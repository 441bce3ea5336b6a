#include "app/help_page.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel {

QString HelpPagePath(const QString& executableFolder)
{
    const QString beside = QDir(executableFolder).filePath(QStringLiteral("quorvel.html"));
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    return QStringLiteral(QUORVEL_HELP_FILE);
}

}  // namespace quorvel
