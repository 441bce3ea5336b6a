#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quorvel {

class ScheduleTable;

// What the executor and the reminders reach of the main window's schedule. The main window owns
// TaskLines, the ScheduleTable, the tick and the task list; these hand them out.
struct ScheduleAccess {
    // The table of the last rebuild; dodo reads its rows by 1-based position.
    std::function<const ScheduleTable&()> table;
    // TaskLines as the last rebuild left them.
    std::function<std::vector<std::string>()> taskLines;
    // Why the last rebuild could not read task.dat although it exists; empty when it could. While
    // it is set, TaskLines is not the file's content and must not be saved over it.
    std::function<std::string()> taskFileProblem;
    std::function<void()> stopTick;
    std::function<void()> rebuildSchedule;
    // Selects the row of the visible list whose time is `timeText`.
    std::function<void(const std::string& timeText)> selectTaskAt;
};

}  // namespace quorvel
