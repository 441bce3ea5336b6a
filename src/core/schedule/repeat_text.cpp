#include "core/schedule/repeat_text.h"

#include "core/schedule/blank_trim.h"

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

void AddWeekdays(TextPieces& pieces, const TaskRecordView& record, const ScheduleTexts& texts)
{
    for (std::size_t i = 0; i < record.WeekdayFlags.size(); ++i) {
        if (record.WeekdayFlags[i].empty()) {
            continue;
        }
        pieces.Add(texts.weekdays[i]);
        // Sunday, the last of the line, gets no blank after it.
        if (i + 1 < record.WeekdayFlags.size()) {
            pieces.Add(" ");
        }
    }
}

void AddKindText(TextPieces& pieces, const TaskRecordView& record, const RepeatPartViews& parts,
                 const ScheduleTexts& texts)
{
    switch (parts.kind) {
        case RecurrenceKind::Daily:
            pieces.Add(texts.everyDay);
            return;
        case RecurrenceKind::Once:
        case RecurrenceKind::Annually:
            pieces.Add(MonthName(parts, texts));
            pieces.Add(" ");
            pieces.Add(parts.dayText);
            pieces.Add(",  ");
            pieces.Add(parts.kind == RecurrenceKind::Once ? parts.yearText
                                                          : std::string_view(texts.everyYear));
            return;
        case RecurrenceKind::Monthly:
            pieces.Add(parts.dayText);
            pieces.Add(" ");
            pieces.Add(texts.everyMonth);
            return;
        case RecurrenceKind::Weekly:
            AddWeekdays(pieces, record, texts);
            return;
        case RecurrenceKind::Unknown:
            break;
    }
    pieces.Add(TrimDisplayBlanks(record.RepeatCode));
}

}  // namespace

std::string RepeatText(const TaskRecordView& record, const RepeatPartViews& parts, const ScheduleTexts& texts)
{
    TextPieces pieces;
    AddRepeatText(pieces, record, parts, texts);
    return pieces.Joined();
}

void AddRepeatText(TextPieces& pieces, const TaskRecordView& record, const RepeatPartViews& parts,
                   const ScheduleTexts& texts)
{
    const std::size_t start = pieces.Size();
    AddKindText(pieces, record, parts, texts);
    if (pieces.Size() == start) {
        pieces.Add(texts.unspecified);
    }
}

}  // namespace quorvel
