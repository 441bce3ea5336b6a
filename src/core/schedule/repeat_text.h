#pragma once

#include <string>

#include "core/schedule/schedule_texts.h"
#include "core/tasks/repeat_part_views.h"
#include "core/tasks/task_record_view.h"
#include "core/text/text_pieces.h"

namespace quorvel {

// How a task's repetition reads in the list and the tray hint, e.g. "Mar 15,  2008" or
// "Mon Wed Fri ". `parts.kind` decides the form; the parts are shown as stored.
std::string RepeatText(const TaskRecordView& record, const RepeatPartViews& parts,
                       const ScheduleTexts& texts);

// The same as pieces added to `pieces`, to be joined with more around them.
void AddRepeatText(TextPieces& pieces, const TaskRecordView& record, const RepeatPartViews& parts,
                   const ScheduleTexts& texts);

}  // namespace quorvel
