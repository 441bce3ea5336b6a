#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/editor/action_rules.h"
#include "core/editor/action_selection.h"
#include "core/tasks/task_record.h"
#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel {

// The editor's repetition choices, in the order they stand in the window.
enum class Repetition { Daily, Once, Monthly, Annually, Weekly };

// Everything the task editor shows, as plain values, whichever its mode.
struct TaskDraft {
    std::string title;
    Repetition repetition = Repetition::Daily;
    Date onceDate;
    std::string monthlyDayText;
    std::string annualDayText;
    std::string annualMonthText;
    std::array<bool, 7> weekdays{true, true, true, true, true, false, false};  // Monday first
    TimeOfDay startTime;
    bool countdownTicked = false;
    std::string countdownText = "30";
    bool enabled = true;
    ActionSelection actions;

    bool operator==(const TaskDraft&) const = default;
};

// The boxes' captions as the window currently shows them (translated), indexed by BoxIndex.
using BoxCaptions = std::array<std::string, kActionBoxCount>;

// The built-in English captions.
BoxCaptions DefaultBoxCaptions();

// A new task: Daily at the current time, dates from today, Monday to Friday ticked, enabled, and
// the actions as `rules` hold them.
TaskDraft NewTaskDraft(const LocalMoment& now, const ActionRules& rules);

// Loads a stored task line. The action boxes are ticked through `rules` in kLoadingOrder with its
// loading flag set (so the Power on wake check still runs and may untick Power on); the flag is
// left set for the window to clear when its settling timer fires. Texts that cannot be dated are
// not loaded: an unreadable StartTime shows the current time, an unusable date or day or month
// shows today's, as a new task would.
TaskDraft DraftFromLine(std::string_view line, const LocalMoment& now, const TimeFormat& format,
                        ActionRules& rules);

// The record OK saves: `startTime` is the unique StartTime text, `captions` make the default title
// when the title is empty. The draft's texts must be storable (ActionRules refuses targets that are
// not; check the title with StorableInField and the record with FirstUnstorableField).
TaskRecord RecordFromDraft(const TaskDraft& draft, std::string_view startTime, const BoxCaptions& captions);

// The same record as a task line.
std::string LineFromDraft(const TaskDraft& draft, std::string_view startTime, const BoxCaptions& captions);

}  // namespace quorvel
