#pragma once

#include <QString>
#include <memory>

#include "ui/lang/lang_mgr.h"

namespace quorvel {

// Where this installation keeps its language files: the executable's folder, then the installed
// data folder (<prefix>/share/quorvel/lang); the choice in the platform's `store`; the locale of
// LC_ALL / LC_MESSAGES / LANG.
LangMgrConfig DefaultLangMgrConfig(const QString& executableFolder, std::shared_ptr<LangManagerStore> store);

}  // namespace quorvel
