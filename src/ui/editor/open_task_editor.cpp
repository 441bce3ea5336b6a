#include "ui/editor/open_task_editor.h"

#include <QListWidget>

#include "core/schedule/start_time_position.h"
#include "ui/editor/task_form.h"
#include "ui/main/main_form.h"
#include "ui/modal/modal_host.h"

namespace quorvel {

TaskListAccess TaskListOf(TMainForm& window)
{
    TaskListAccess access;
    access.taskLines = [&window] { return window.Schedule().TaskLines(); };
    access.currentRow = [&window] { return window.CurrentRow(); };
    // Refused while task.dat could not be read: saving would replace tasks nobody has seen.
    access.saveTaskLines = [&window](const std::vector<std::string>& lines) {
        return window.Schedule().SaveTaskLines(lines);
    };
    access.rebuildSchedule = [&window] { window.RebuildSchedule(); };
    access.selectTaskAt = [&window](const std::string& timeText) {
        if (const auto position = PositionOfStartTime(window.Schedule().Table(), timeText)) {
            window.TaskList()->setCurrentRow(static_cast<int>(*position) - 1);
        }
    };
    return access;
}

void OpenTaskEditor(TMainForm& window, TaskEditorMode mode, const TaskEditorServices& services)
{
    if (mode == TaskEditorMode::Edit) {
        const int row = window.CurrentRow();
        if (row < 0 || static_cast<std::size_t>(row) >= window.Schedule().TaskLines().size()) {
            return;
        }
    }
    TTaskForm editor(&window, mode, services, TaskListOf(window));
    services.modal.RunDialog(editor);
}

}  // namespace quorvel
