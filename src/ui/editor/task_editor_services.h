#pragma once

#include <QString>

#include "core/time/time_format.h"
#include "platform/local_clock.h"
#include "ui/editor/file_choice.h"

class TLangMgr;

namespace quorvel {

class ModalHost;
struct PlatformServices;

// Which task the editor opens on: a new one, or the task list's current task.
enum class TaskEditorMode { New, Edit };

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
