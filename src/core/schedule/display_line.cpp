#include "core/schedule/display_line.h"

#include "core/schedule/blank_trim.h"
#include "core/text/concatenate.h"

namespace quorvel {

std::string_view ShownTitle(std::string_view title, const ScheduleTexts& texts)
{
    const std::string_view trimmed = TrimBlanks(title);
    return trimmed.empty() ? std::string_view(texts.noTitle) : trimmed;
}

const std::string& StatusWord(std::string_view taskStatus, const ScheduleTexts& texts)
{
    return taskStatus == kStatusPassed ? texts.pass : texts.wait;
}

std::string DisplayLine(std::string_view taskStatus, std::string_view repeatText, std::string_view startTime,
                        std::string_view title, const ScheduleTexts& texts)
{
    const std::string& start = taskStatus == kStatusPassed ? texts.passLineStart : texts.waitLineStart;
    const std::string_view time = TrimBlanks(startTime);
    const std::string_view shownTitle = ShownTitle(title, texts);

    return Concatenate({start, repeatText, kListSeparator, time, kListSeparator, shownTitle});
}

}  // namespace quorvel
