#include "app/data_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace quorvel {

QString ResolveDataDir(const QString& overrideDir, const QString& xdgDataHome, const QString& home)
{
    if (!overrideDir.isEmpty()) {
        return overrideDir;
    }
    const QString base =
        QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Quorvel"));
}

QString ResolveDataDirFromEnvironment(const QString& overrideDir)
{
    return ResolveDataDir(overrideDir, qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

QString PrepareDataDir(const QString& dataDir)
{
    // std::filesystem rather than QDir::mkpath: it tells why a folder could not be made.
    const std::filesystem::path path(QFile::encodeName(dataDir).toStdString());
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (!error && !std::filesystem::is_directory(path, error) && !error) {
        error = std::make_error_code(std::errc::not_a_directory);
    }
    if (error) {
        return QStringLiteral("cannot create the data folder %1: %2")
            .arg(dataDir, QString::fromLocal8Bit(error.message()));
    }
    if (!QFileInfo(dataDir).isWritable()) {
        return QStringLiteral("cannot write to the data folder %1.").arg(dataDir);
    }
    return {};
}

}  // namespace quorvel
