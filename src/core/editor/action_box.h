#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/tasks/task_record.h"

namespace quorvel {

// The fourteen action check boxes of the task editor. Their order is the order in which a task's
// default title lists them.
enum class ActionBox {
    CloseMonitor,
    ShutDown,
    Restart,
    LockDesktop,
    StandBy,
    Hibernate,
    PowerOn,
    LogOff,
    LaunchProgram,
    OpenFile,
    TerminateProcess,
    OpenUrl,
    Macro,
    ShowMessage,
};

inline constexpr std::size_t kActionBoxCount = 14;

// The order in which loading a task ticks the boxes, the order of their fields in the line. The
// "Count down from" box is not an action: the window ticks it between Shut down and Launch
// Program, that is after the first kCountdownLoadingPlace boxes of this list.
inline constexpr std::array<ActionBox, kActionBoxCount> kLoadingOrder = {
    ActionBox::CloseMonitor, ActionBox::ShutDown,    ActionBox::LaunchProgram, ActionBox::ShowMessage,
    ActionBox::Restart,      ActionBox::LockDesktop, ActionBox::OpenFile,      ActionBox::TerminateProcess,
    ActionBox::OpenUrl,      ActionBox::StandBy,     ActionBox::Hibernate,     ActionBox::PowerOn,
    ActionBox::LogOff,       ActionBox::Macro,
};
inline constexpr std::size_t kCountdownLoadingPlace = 2;

// The order in which the captions of the ticked boxes make up a task's default title.
inline constexpr std::array<ActionBox, kActionBoxCount> kDefaultTitleOrder = {
    ActionBox::CloseMonitor,  ActionBox::ShutDown,    ActionBox::Restart,          ActionBox::LockDesktop,
    ActionBox::StandBy,       ActionBox::Hibernate,   ActionBox::PowerOn,          ActionBox::LogOff,
    ActionBox::LaunchProgram, ActionBox::OpenFile,    ActionBox::TerminateProcess, ActionBox::OpenUrl,
    ActionBox::Macro,         ActionBox::ShowMessage,
};

// The box's index into per-box arrays.
constexpr std::size_t BoxIndex(ActionBox box)
{
    return static_cast<std::size_t>(box);
}

// The task record's action that the box fills.
ActionKind ActionKindOfBox(ActionBox box);

// The box that shows an action of the task record.
ActionBox BoxOfActionKind(ActionKind kind);

// True for the six boxes with a target field (program, file, process, URL, macro, message).
bool BoxHasTarget(ActionBox box);

// The component name the language file addresses the box by, e.g. "CheckBox14".
std::string_view BoxComponentName(ActionBox box);

// The box's built-in English caption (Shut down's ends with a blank).
std::string_view DefaultBoxCaption(ActionBox box);

}  // namespace quorvel
