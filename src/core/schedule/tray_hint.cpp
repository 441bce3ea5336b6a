#include "core/schedule/tray_hint.h"

#include "core/schedule/blank_trim.h"
#include "core/schedule/display_line.h"
#include "core/text/utf8_check.h"

namespace quorvel {

namespace {

// "Waiting - Daily - 22:30:00 - Night shutdown", the part both hint halves share.
void AppendTaskSummary(std::string& text, const std::string& status, const ScheduleRow& row,
                       const ScheduleTexts& texts)
{
    text += status;
    text += " - ";
    text += row.repeatText;
    text += " - ";
    text += TrimDisplayBlanks(row.record.StartTime);
    text += " - ";
    text += ShownTitle(row.record.Title, texts);
}

}  // namespace

std::string UpcomingText(const ScheduleTable& table, const ScheduleTexts& texts)
{
    std::string text = texts.upcoming;
    // A task that will not fire (passed, disabled, undatable) is never announced as upcoming.
    if (table.Empty() || !table.At(1).IsPending()) {
        text += texts.none;
        return text;
    }
    text += ' ';
    AppendTaskSummary(text, texts.wait, table.At(1), texts);
    return text;
}

std::string InitialLastEventText(const ScheduleTexts& texts)
{
    return "\n\r" + texts.lastTask + texts.none;
}

std::string LastEventText(const ScheduleRow& row, const ScheduleTexts& texts)
{
    std::string text = "\n\r" + texts.lastTask + ' ';
    AppendTaskSummary(text, texts.pass, row, texts);
    return text;
}

std::string TrayHintForDisplay(std::string_view hint)
{
    std::size_t end = 0;
    for (std::size_t characters = 0; characters < kTrayHintMaxCharacters && end < hint.size(); ++characters) {
        const std::size_t length = Utf8SequenceLength(hint.substr(end));
        end += length == 0 ? 1 : length;
    }
    return std::string(hint.substr(0, end));
}

}  // namespace quorvel
