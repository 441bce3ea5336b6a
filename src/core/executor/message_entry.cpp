#include "core/executor/message_entry.h"

namespace quorvel {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string MakeMessageEntry(const Date& today, std::string_view startTime, std::string_view message,
                             const TimeFormat& format)
{
    std::string entry = format.FormatShortDate(today);
    entry += ' ';
    entry += startTime;
    entry += kLineEnd;
    entry += message;
    return entry;
}

std::string StackMessageEntry(std::string_view shown, std::string_view entry)
{
    std::string text(entry);
    if (!shown.empty()) {
        text += kLineEnd;
        text += kLineEnd;
        text += shown;
    }
    return text;
}

}  // namespace quorvel
