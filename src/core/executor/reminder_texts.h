#pragma once

#include <optional>
#include <string>

#include "core/executor/reminder_request.h"
#include "core/text/lang_lookup.h"

namespace quorvel {

// The lines a reminder window shows, in the language of `lang` (its own section's lookup).
struct ReminderTexts {
    std::string titleLine;                     // "Task Title: " and the title
    std::string eventLine;                     // "Event: Close Program notepad.exe"
    std::optional<std::string> parameterLine;  // "Parameter: -x"; only a program with parameters
    std::string waitNotice;                    // the notice while nothing counts
};

ReminderTexts MakeReminderTexts(const ReminderRequest& request, const LangLookup& lang);

}  // namespace quorvel
