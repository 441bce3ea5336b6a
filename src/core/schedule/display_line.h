#pragma once

#include <string>
#include <string_view>

#include "core/schedule/schedule_texts.h"
#include "core/text/text_pieces.h"

namespace quorvel {

// The title as shown: trimmed, or the "No title" text when nothing is left.
std::string_view ShownTitle(std::string_view title, const ScheduleTexts& texts);

// The status word shown for a TaskStatus: "Passed" for Passed, "Waiting" for anything else.
const std::string& StatusWord(std::string_view taskStatus, const ScheduleTexts& texts);

// One line of the task list: " Waiting ---- Daily ---- 22:30:00 ---- Night shutdown".
std::string DisplayLine(std::string_view taskStatus, std::string_view repeatText, std::string_view startTime,
                        std::string_view title, const ScheduleTexts& texts);

// The same as pieces, for a line whose repeat text is added as pieces too: what comes before the
// repeat text (" Waiting ---- ") and what comes after it (" ---- 22:30:00 ---- Night shutdown").
void AddDisplayLineStart(TextPieces& pieces, std::string_view taskStatus, const ScheduleTexts& texts);
void AddDisplayLineEnd(TextPieces& pieces, std::string_view startTime, std::string_view title,
                       const ScheduleTexts& texts);

}  // namespace quorvel
