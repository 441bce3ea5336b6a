#include "core/executor/reminder_texts.h"

namespace quorvel {

ReminderTexts MakeReminderTexts(const ReminderRequest& request, const LangLookup& lang)
{
    ReminderTexts texts;
    texts.titleLine = lang.Str("Title", "Task Title: ") + request.title;
    texts.eventLine = lang.Str(ReminderEventKeyword(request.event), ReminderEventDefaultText(request.event));
    if (ReminderEventShowsTarget(request.event)) {
        texts.eventLine += ' ';
        texts.eventLine += request.target;
    }
    if (request.event == ReminderEvent::OpenEXE && !request.parameters.empty()) {
        texts.parameterLine = lang.Str("Param", "Parameter:") + " " + request.parameters;
    }
    texts.waitNotice = lang.Str("Wait", "Notice! The following scheduled task waiting for confirm!");
    return texts;
}

}  // namespace quorvel
