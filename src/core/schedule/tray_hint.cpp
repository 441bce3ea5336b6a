#include "core/schedule/tray_hint.h"

#include "core/schedule/blank_trim.h"
#include "core/schedule/display_line.h"

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

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF)
{
    return byte >= low && byte <= high;
}

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0 when there is none
// (overlong forms, surrogates and truncated sequences included).
std::size_t Utf8SequenceLength(std::string_view text)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || !IsContinuation(at(1), low, high)) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(at(i))) {
            return 0;
        }
    }
    return length;
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
