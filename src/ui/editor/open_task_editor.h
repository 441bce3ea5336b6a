#pragma once

#include "ui/editor/task_editor_services.h"

namespace quorvel {

class TMainForm;

// The editor's view of the main window's task list.
TaskListAccess TaskListOf(TMainForm& window);

// Opens a new task editor on the main window and waits until it closes. Edit mode opens on the
// task list's current task and does nothing when that row holds no task.
void OpenTaskEditor(TMainForm& window, TaskEditorMode mode, const TaskEditorServices& services);

}  // namespace quorvel
