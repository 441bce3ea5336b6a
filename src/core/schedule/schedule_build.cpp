#include "core/schedule/schedule_build.h"

#include <utility>

#include "core/schedule/order_tasks.h"
#include "core/schedule/schedule_texts.h"
#include "core/schedule/task_dating.h"
#include "core/schedule/tray_hint.h"
#include "core/schedule/wake_moment.h"
#include "core/tasks/task_file.h"

namespace quorvel {

namespace {

bool MacroPending(const ScheduleTable& table)
{
    for (const ScheduleRow& row : table.Rows()) {
        if (row.IsPending() && !row.record.Macro.empty()) {
            return true;
        }
    }
    return false;
}

}  // namespace

ScheduleBuild BuildSchedule(std::vector<std::string> taskLines, const LocalMoment& now,
                            const TimeFormat& format, const LangLookup& lang, std::string_view lastEventText)
{
    const ScheduleTexts texts(lang);

    // Each row is dated where it stands; only the lines and an index are put in list order.
    std::vector<ScheduleRow> rows;
    rows.reserve(taskLines.size());
    for (const std::string& line : taskLines) {
        DateRow(rows.emplace_back(line), now, format, texts);
    }

    ScheduleBuild build;
    std::vector<std::size_t> order = OrderTasks(rows);
    build.taskLines.reserve(order.size());
    for (const std::size_t index : order) {
        build.taskLines.push_back(std::move(taskLines[index]));
    }
    build.table = ScheduleTable(std::move(rows), std::move(order));

    build.powerOnPending = PowerOnPending(build.table);
    build.wakeMoment = WakeMoment(build.table, now);
    build.keepScreenSaverOff = MacroPending(build.table);
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
