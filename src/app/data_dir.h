#pragma once

#include <QString>

namespace quorvel {

// Where wake.ini, task.dat and log.txt live: `overrideDir` when given, else the user's data folder
// plus "Quorvel". A relative $XDG_DATA_HOME is ignored, as the base-directory rules ask, since it
// would move with the working folder.
QString ResolveDataDir(const QString& overrideDir, const QString& xdgDataHome, const QString& home);

// The same with $XDG_DATA_HOME and the home folder of this process.
QString ResolveDataDirFromEnvironment(const QString& overrideDir);

// Creates the folder and any missing parents. Empty when it exists and can be written to, else
// a message for the user.
QString PrepareDataDir(const QString& dataDir);

}  // namespace quorvel
