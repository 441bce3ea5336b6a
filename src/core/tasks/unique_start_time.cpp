#include "core/tasks/unique_start_time.h"

namespace quorvel {
namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

struct TakenTime {
    std::string_view text;
    std::optional<TimeOfDay> time;
};

TimeOfDay NextSecond(TimeOfDay time)
{
    int seconds = (time.hour * 60 + time.minute) * 60 + time.second + 1;
    seconds %= kSecondsPerDay;
    return TimeOfDay{seconds / 3600, seconds / 60 % 60, seconds % 60};
}

// StartTime is the text before the first separator of a line; a line without one has none.
std::string_view StartTimeOf(std::string_view line)
{
    const auto separator = line.find('*');
    return separator == std::string_view::npos ? std::string_view() : line.substr(0, separator);
}

bool Clashes(const TakenTime& taken, std::string_view text, const std::optional<TimeOfDay>& time)
{
    // Equal text is a clash by definition; equal times of day in different spellings (a file
    // written under another time format) would fire in the same second just the same.
    return taken.text == text || (time && taken.time && *taken.time == *time);
}

}  // namespace

std::string UniqueStartTime(std::string_view time, const std::vector<std::string>& taskLines,
                            std::optional<std::size_t> editedPosition, const TimeFormat& format)
{
    std::vector<TakenTime> taken;
    taken.reserve(taskLines.size());
    for (std::size_t i = 0; i < taskLines.size(); ++i) {
        if (editedPosition && *editedPosition == i + 1) {
            continue;
        }
        const std::string_view text = StartTimeOf(taskLines[i]);
        taken.push_back({text, format.ParseTime(text)});
    }

    std::string text(time);
    std::optional<TimeOfDay> current = format.ParseTime(text);
    // Every step lands on a new second, so a free one is found within a day's worth of steps;
    // the bound only matters when every second is taken.
    int steps = 0;
    bool changed = true;
    while (changed) {
        changed = false;
        for (const TakenTime& other : taken) {
            if (!Clashes(other, text, current)) {
                continue;
            }
            if (!current || steps == kSecondsPerDay) {
                // No time of day to move on from, or nowhere left to go: keep the text.
                return text;
            }
            current = NextSecond(*current);
            text = format.FormatLongTime(*current);
            ++steps;
            changed = true;
        }
    }
    return text;
}

}  // namespace quorvel
