#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/time/time_format.h"
#include "platform/local_clock.h"
#include "ui/editor/file_choice.h"
#include "ui/main/main_form_services.h"

class TLangMgr;

namespace quorvel {

class ModalHost;
struct PlatformServices;

// What the editor reaches of the main window's task list. Empty members stand for an empty list
// that nothing can be saved to.
struct TaskListAccess {
    // TaskLines as the last rebuild left them, in list order.
    std::function<std::vector<std::string>()> taskLines;
    // The list's current row (0-based), -1 when none.
    std::function<int()> currentRow;
    // Writes task.dat whole; empty on success, else what went wrong.
    std::function<std::string(const std::vector<std::string>& lines)> saveTaskLines;
    std::function<void()> rebuildSchedule;
    // Selects the row whose time column shows `timeText`.
    std::function<void(const std::string& timeText)> selectTaskAt;
};

// What the task editor and its program chooser work with, handed in by the app. Everything
// referenced outlives the editor.
struct TaskEditorServices {
    TLangMgr& langMgr;
    const ModalHost& modal;
    const PlatformServices& platform;
    // The folder of task.dat, named when it cannot be written.
    QString dataDir;
    TimeFormat timeFormat;
    // Today and the time of day a new task starts from.
    LocalClock clock;
    // Empty: the real open-file dialog, run through `modal`.
    FileChooser chooseFile;
};

}  // namespace quorvel
