#include "core/schedule/schedule_build.h"

#include <memory>
#include <span>
#include <utility>

#include "core/schedule/order_tasks.h"
#include "core/schedule/pending_summary.h"
#include "core/schedule/schedule_texts.h"
#include "core/schedule/task_dating.h"
#include "core/schedule/tray_hint.h"
#include "core/tasks/task_file.h"
#include "core/tasks/task_line.h"

namespace quorvel {

namespace {

// A list line is about as long as the task line it shows, plus the words around it.
constexpr std::size_t kListTextAllowance = 40;

std::size_t ListTextsSize(std::span<const std::string_view> lines)
{
    std::size_t size = 0;
    for (const std::string_view line : lines) {
        size += line.size() + kListTextAllowance;
    }
    return size;
}

// Dates and orders `lines`, which are kept in `store`. The task lines of the build come from
// `givenLines` when there are any (moved, in list order), else from `lines`.
ScheduleBuild BuildFromStoredLines(std::span<const std::string_view> lines, std::shared_ptr<TextStore> store,
                                   std::vector<std::string>* givenLines, const LocalMoment& now,
                                   const TimeFormat& format, const LangLookup& lang,
                                   std::string_view lastEventText)
{
    const ScheduleTexts texts(lang);

    // Each row is dated where it stands, and all that is wanted of it later (its rank, what it asks
    // of the machine) is taken while it is at hand: a large table is never walked again. Only the
    // lines and an index are put in list order.
    std::vector<ScheduleRow> rows;
    rows.reserve(lines.size());
    std::vector<RankedRow> ranked;
    ranked.reserve(lines.size());
    PendingSummary pending(now);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ScheduleRow& row = rows.emplace_back(lines[i], store);
        DateRow(row, now, format, texts, *store);
        ranked.push_back({OrderRank(row), i});
        pending.Add(row);
    }

    ScheduleBuild build;
    std::vector<std::size_t> order = OrderByRank(std::move(ranked));
    build.taskLines.reserve(order.size());
    for (const std::size_t index : order) {
        if (givenLines != nullptr) {
            build.taskLines.push_back(std::move((*givenLines)[index]));
        } else {
            build.taskLines.emplace_back(lines[index]);
        }
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

}  // namespace

ScheduleBuild BuildSchedule(std::vector<std::string> taskLines, const LocalMoment& now,
                            const TimeFormat& format, const LangLookup& lang, std::string_view lastEventText)
{
    // The rows view their lines where the table keeps them: the given strings are handed on to
    // the build, and a short one would move its text along.
    std::vector<std::string_view> lines(taskLines.begin(), taskLines.end());
    std::size_t size = ListTextsSize(lines);
    for (const std::string_view line : lines) {
        size += line.size();
    }
    auto store = std::make_shared<TextStore>(size);
    for (std::string_view& line : lines) {
        line = store->Keep(line);
    }
    return BuildFromStoredLines(lines, std::move(store), &taskLines, now, format, lang, lastEventText);
}

ScheduleBuild BuildScheduleFromFile(const std::string& dataDir, const LocalMoment& now,
                                    const TimeFormat& format, const LangLookup& lang,
                                    std::string_view lastEventText)
{
    std::string error;
    std::optional<TaskFileText> file = LoadTaskFileText(dataDir, &error);
    if (!file) {
        ScheduleBuild build = BuildSchedule({}, now, format, lang, lastEventText);
        build.loadError = std::move(error);
        return build;
    }
    auto store = std::make_shared<TextStore>(ListTextsSize(file->lines));
    store->Adopt(std::move(file->bytes), file->size);
    return BuildFromStoredLines(file->lines, std::move(store), nullptr, now, format, lang, lastEventText);
}

}  // namespace quorvel
