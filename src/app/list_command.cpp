#include "app/list_command.h"

#include <QCoreApplication>
#include <QFile>
#include <memory>
#include <string_view>

#include "app/data_dir.h"
#include "app/lang_setup.h"
#include "core/app_info.h"
#include "core/schedule/schedule_build.h"
#include "core/schedule/schedule_listing.h"
#include "core/time/time_format.h"
#include "platform/ini_lang_manager_store.h"
#include "ui/lang/lang_file_lookup.h"
#include "ui/lang/lang_mgr.h"
#include "platform/task_text_decoding.h"

namespace quorvel {

int RunListCommand(const CommandLineOptions& options, QTextStream& out, QTextStream& err,
                   const LocalClock& clock)
{
    // Only resolved: a listing must not leave a data folder behind where there was none.
    const QString dataDir = ResolveDataDirFromEnvironment(options.dataDir);
    const LocalMoment now = options.listAt ? *options.listAt : clock();
    // The texts the task list would show in the language the program would start in; the store
    // is only read.
    const TLangMgr langMgr(
        DefaultLangMgrConfig(QCoreApplication::applicationDirPath(),
                             std::make_shared<IniLangManagerStore>(IniLangManagerStore::DefaultPath())));
    const LangFileLookup lang(langMgr, QStringLiteral("TMainForm"));
    const ScheduleBuild build = BuildScheduleFromFile(QFile::encodeName(dataDir).toStdString(), now,
                                                      TimeFormatFromCurrentLocale(), lang, {});
    if (!build.loadError.empty()) {
        err << kProductName << ": " << DecodeTaskText(build.loadError) << '\n';
        err.flush();
        return 1;
    }

    // Decoded line by line as the task list does, so an old task in another code page shows the
    // same here as there.
    const std::string listing = ScheduleListing(build.table);
    std::string_view rest = listing;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        out << DecodeTaskText(rest.substr(0, end)) << '\n';
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    out.flush();
    return 0;
}

}  // namespace quorvel
