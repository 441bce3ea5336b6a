#include "core/schedule/display_line.h"

#include "core/schedule/blank_trim.h"

namespace quorvel {

std::string_view ShownTitle(std::string_view title, const ScheduleTexts& texts)
{
    const std::string_view trimmed = TrimDisplayBlanks(title);
    return trimmed.empty() ? std::string_view(texts.noTitle) : trimmed;
}

const std::string& StatusWord(std::string_view taskStatus, const ScheduleTexts& texts)
{
    return taskStatus == kStatusPassed ? texts.pass : texts.wait;
}

std::string DisplayLine(std::string_view taskStatus, std::string_view repeatText, std::string_view startTime,
                        std::string_view title, const ScheduleTexts& texts)
{
    TextPieces pieces;
    AddDisplayLineStart(pieces, taskStatus, texts);
    pieces.Add(repeatText);
    AddDisplayLineEnd(pieces, startTime, title, texts);
    return pieces.Joined();
}

void AddDisplayLineStart(TextPieces& pieces, std::string_view taskStatus, const ScheduleTexts& texts)
{
    pieces.Add(taskStatus == kStatusPassed ? texts.passLineStart : texts.waitLineStart);
}

void AddDisplayLineEnd(TextPieces& pieces, std::string_view startTime, std::string_view title,
                       const ScheduleTexts& texts)
{
    pieces.Add(kListSeparator);
    pieces.Add(TrimDisplayBlanks(startTime));
    pieces.Add(kListSeparator);
    pieces.Add(ShownTitle(title, texts));
}

}  // namespace quorvel
