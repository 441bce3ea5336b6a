#include "core/schedule/repeat_text.h"

#include "core/schedule/blank_trim.h"
#include "core/text/concatenate.h"

namespace quorvel {

namespace {

// A month number that names no month is shown as it was stored.
std::string_view MonthName(const RepeatPartViews& parts, const ScheduleTexts& texts)
{
    if (parts.month && *parts.month >= 1 && *parts.month <= 12) {
        return texts.months[static_cast<std::size_t>(*parts.month - 1)];
    }
    return parts.monthText;
}

std::string DatedText(std::string_view month, std::string_view day, std::string_view tail)
{
    return Concatenate({month, " ", day, ",  ", tail});
}

std::string WeekdaysText(const TaskRecord& record, const ScheduleTexts& texts)
{
    std::string text;
    for (std::size_t i = 0; i < record.WeekdayFlags.size(); ++i) {
        if (record.WeekdayFlags[i].empty()) {
            continue;
        }
        text += texts.weekdays[i];
        // Sunday, the last of the line, gets no blank after it.
        if (i + 1 < record.WeekdayFlags.size()) {
            text += ' ';
        }
    }
    return text;
}

std::string KindText(const TaskRecord& record, const RepeatPartViews& parts, const ScheduleTexts& texts)
{
    switch (parts.kind) {
        case RecurrenceKind::Daily:
            return texts.everyDay;
        case RecurrenceKind::Once:
            return DatedText(MonthName(parts, texts), parts.dayText, parts.yearText);
        case RecurrenceKind::Annually:
            return DatedText(MonthName(parts, texts), parts.dayText, texts.everyYear);
        case RecurrenceKind::Monthly:
            return Concatenate({parts.dayText, " ", texts.everyMonth});
        case RecurrenceKind::Weekly:
            return WeekdaysText(record, texts);
        case RecurrenceKind::Unknown:
            break;
    }
    return std::string(TrimBlanks(record.RepeatCode));
}

}  // namespace

std::string RepeatText(const TaskRecord& record, const RepeatPartViews& parts, const ScheduleTexts& texts)
{
    std::string text = KindText(record, parts, texts);
    if (text.empty()) {
        return texts.unspecified;
    }
    return text;
}

}  // namespace quorvel
