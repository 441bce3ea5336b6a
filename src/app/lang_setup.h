#pragma once

#include <QString>

#include "ui/lang/lang_mgr.h"

namespace quorvel {

// Where this installation keeps its language files and the language choice: the executable's
// folder, then the installed data folder (<prefix>/share/quorvel/lang); the store
// $XDG_CONFIG_HOME/Brenholt/LangManager.ini; the locale of LC_ALL / LC_MESSAGES / LANG.
LangMgrConfig DefaultLangMgrConfig(const QString& executableFolder);

}  // namespace quorvel
