#pragma once

#include <QString>

namespace quorvel {

// The help page Help, Contents opens: quorvel.html beside the executable (a build tree), else the
// installed one (<prefix>/share/quorvel/help). The installed path when neither exists, so the
// desktop's handler reports the missing file.
QString HelpPagePath(const QString& executableFolder);

}  // namespace quorvel
