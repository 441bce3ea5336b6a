#pragma once

#include <QString>

namespace quorvel {

// Where quorvel-wake-helper is: next to the program (the build tree), else in the installed
// helper folder. Empty when neither holds an executable one.
QString FindWakeHelper(const QString& programFolder);

}  // namespace quorvel
