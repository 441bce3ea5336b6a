#include "app/lang_setup.h"

#include <QDir>

#include "core/text/locale_abbreviation.h"

namespace quorvel {

LangMgrConfig DefaultLangMgrConfig(const QString& executableFolder, std::shared_ptr<LangManagerStore> store)
{
    LangMgrConfig config;
    config.searchFolders << executableFolder;
    const QString installed = QStringLiteral(QUORVEL_LANG_DIR);
    if (QDir(installed).absolutePath() != QDir(executableFolder).absolutePath()) {
        config.searchFolders << installed;
    }
    config.store = std::move(store);
    const std::string locale = MessagesLocaleName(qEnvironmentVariable("LC_ALL").toStdString(),
                                                  qEnvironmentVariable("LC_MESSAGES").toStdString(),
                                                  qEnvironmentVariable("LANG").toStdString());
    config.localeAbbreviation = QString::fromStdString(WindowsLanguageAbbreviation(locale));
    return config;
}

}  // namespace quorvel
