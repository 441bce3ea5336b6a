#include "core/schedule/display_line.h"

#include "core/schedule/blank_trim.h"

namespace quorvel {

namespace {

constexpr std::string_view kSeparator = " ---- ";

}  // namespace

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
    const std::string& status = StatusWord(taskStatus, texts);
    const std::string_view time = TrimBlanks(startTime);
    const std::string_view shownTitle = ShownTitle(title, texts);

    std::string line;
    line.reserve(1 + status.size() + repeatText.size() + time.size() + shownTitle.size() +
                 3 * kSeparator.size());
    line += ' ';
    line += status;
    line += kSeparator;
    line += repeatText;
    line += kSeparator;
    line += time;
    line += kSeparator;
    line += shownTitle;
    return line;
}

}  // namespace quorvel
