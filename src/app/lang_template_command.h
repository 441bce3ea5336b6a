#pragma once

#include <QString>

class QTextStream;

namespace quorvel {

// --write-language-template FILE: writes the English language file with every section and key
// of the program to `path`. Windows are built, so a QApplication must exist (the offscreen
// platform will do). Returns the process's exit code; failures are explained on `err`.
int WriteLanguageTemplateCommand(const QString& path, QTextStream& err);

}  // namespace quorvel
