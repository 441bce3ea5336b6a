#include "core/schedule/schedule_build.h"

#include <utility>

#include "core/schedule/order_tasks.h"
#include "core/schedule/pending_summary.h"
#include "core/schedule/schedule_texts.h"
#include "core/schedule/task_dating.h"
#include "core/schedule/tray_hint.h"
#include "core/tasks/task_file.h"

namespace quorvel {

ScheduleBuild BuildSchedule(std::vector<std::string> taskLines, const LocalMoment& now,
                            const TimeFormat& format, const LangLookup& lang, std::string_view lastEventText)
{
    const ScheduleTexts texts(lang);

    // Each row is dated where it stands, and all that is wanted of it later (its rank, what it asks
    // of the machine) is taken while it is at hand: a large table is never walked again. Only the
    // lines and an index are put in list order.
    std::vector<ScheduleRow> rows;
    rows.reserve(taskLines.size());
    std::vector<RankedRow> ranked;
    ranked.reserve(taskLines.size());
    PendingSummary pending(now);
    for (std::size_t i = 0; i < taskLines.size(); ++i) {
        ScheduleRow& row = rows.emplace_back(taskLines[i]);
        DateRow(row, now, format, texts);
        ranked.push_back({OrderRank(row), i});
        pending.Add(row);
    }

    ScheduleBuild build;
    std::vector<std::size_t> order = OrderByRank(std::move(ranked));
    build.taskLines.reserve(order.size());
    for (const std::size_t index : order) {
        build.taskLines.push_back(std::move(taskLines[index]));
    }
    build.table = ScheduleTable(std::move(rows), std::move(order));

    build.powerOnPending = pending.PowerOnPending();
    build.wakeMoment = pending.WakeMoment();
    build.keepScreenSaverOff = pending.MacroPending();
    build.upcomingText = UpcomingText(build.table, texts);
    build.trayHint = build.upcomingText;
    build.trayHint += lastEventText;
    build.clockWatch = ClockWatchRecordAt(now, format);
    return build;
}

ScheduleBuild BuildScheduleFromFile(const std::string& dataDir, const LocalMoment& now,
                                    const TimeFormat& format, const LangLookup& lang,
                                    std::string_view lastEventText)
{
    std::string error;
    std::optional<std::vector<std::string>> lines = LoadTaskFile(dataDir, &error);
    ScheduleBuild build = BuildSchedule(lines ? std::move(*lines) : std::vector<std::string>{}, now, format,
                                        lang, lastEventText);
    build.loadError = std::move(error);
    return build;
}

}  // namespace quorvel
