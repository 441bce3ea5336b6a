#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/schedule/clock_watch_record.h"
#include "core/schedule/schedule_table.h"
#include "core/text/lang_lookup.h"
#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// Everything one rebuild of the schedule decides, for the window to show and act on.
struct ScheduleBuild {
    std::vector<std::string> taskLines;  // the given lines in list order, none lost
    ScheduleTable table;                 // one row per line, same order
    bool powerOnPending = false;
    // When to arm the wake timer; handed to the wake thread so it needs no view of the table.
    std::optional<LocalMoment> wakeMoment;
    bool keepScreenSaverOff = false;  // a macro task is still to come
    std::string upcomingText;
    std::string trayHint;  // upcomingText and the last-event text, uncut
    ClockWatchRecord clockWatch;
    // Why task.dat could not be read although it exists; empty otherwise. The schedule is then
    // empty, and the file must not be saved over: it still holds tasks nobody has seen.
    std::string loadError;
};

// Parses, dates and orders `taskLines` at `now`. `lastEventText` is the hint's second half as it
// stands (InitialLastEventText before anything fired).
ScheduleBuild BuildSchedule(std::vector<std::string> taskLines, const LocalMoment& now,
                            const TimeFormat& format, const LangLookup& lang, std::string_view lastEventText);

// The same from the task file in `dataDir`; a missing file means no tasks, an unreadable one
// no tasks and a `loadError`.
ScheduleBuild BuildScheduleFromFile(const std::string& dataDir, const LocalMoment& now,
                                    const TimeFormat& format, const LangLookup& lang,
                                    std::string_view lastEventText);

}  // namespace quorvel
