#include "core/editor/edited_line.h"

#include <algorithm>

#include "core/tasks/unique_start_time.h"

namespace quorvel {

std::optional<std::size_t> FindEditedLine(const std::vector<std::string>& taskLines,
                                          const std::optional<std::string>& loadedLine)
{
    if (!loadedLine) {
        return std::nullopt;
    }
    const auto found = std::find(taskLines.begin(), taskLines.end(), *loadedLine);
    if (found == taskLines.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - taskLines.begin());
}

std::string UniqueStartTimeForEditor(std::string_view time, const std::vector<std::string>& taskLines,
                                     const std::optional<std::string>& loadedLine, const TimeFormat& format)
{
    std::optional<std::size_t> edited = FindEditedLine(taskLines, loadedLine);
    if (edited) {
        ++*edited;  // UniqueStartTime counts from 1
    }
    return UniqueStartTime(time, taskLines, edited, format);
}

std::size_t PlaceEditorLine(std::vector<std::string>& taskLines, const std::optional<std::string>& loadedLine,
                            std::string line)
{
    if (const std::optional<std::size_t> edited = FindEditedLine(taskLines, loadedLine)) {
        taskLines[*edited] = std::move(line);
        return *edited;
    }
    taskLines.push_back(std::move(line));
    return taskLines.size() - 1;
}

}  // namespace quorvel
