#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "core/executor/reminder_request.h"

namespace quorvel {

// One thing the main window does while carrying out a fired task or a reminder, in plan order.
enum class StepKind {
    StopTick,  // disarm the one-second tick
    TurnMonitorOff,
    EnableDebugPrivilege,  // before KillTask, so processes of other accounts can be ended
    KillTask,              // target: the process name
    StartProgram,          // target: the program; parameters: its command-line text
    LogOffSession,
    MessageBeep,  // the desktop's message sound; no sound is no error
    ShowMessage,  // text: the entry to put on top of the message window
    LockDesktop,
    RestartSystemForced,
    ShellOpen,       // target: a file or address for the desktop's opener
    DialConnection,  // the entry of the dial-up window, before an address is opened
    ReplayMacro,     // target: the macro file; lines: its lines; leadIn: wait before input
    StandBySoon,     // suspend about a second later, after the rebuild
    HibernateSoon,   // hibernate about a second later, after the rebuild
    PowerOffSystemForced,
    OpenReminder,     // reminder: what the new reminder window announces
    RebuildSchedule,  // re-read task.dat, re-date, re-arm the tick and the wake timer
};

struct ExecutorStep {
    StepKind kind = StepKind::StopTick;
    std::string target;
    std::string parameters;
    std::string text;
    std::vector<std::string> lines;
    std::chrono::milliseconds leadIn{0};
    ReminderRequest reminder;

    bool operator==(const ExecutorStep&) const = default;
};

using ExecutorPlan = std::vector<ExecutorStep>;

std::string_view StepKindName(StepKind kind);

// One line naming the step and its arguments, control characters escaped, e.g.
// "StartProgram(/usr/bin/tool, -x)"; for logs and test failures.
std::string DescribeStep(const ExecutorStep& step);

}  // namespace quorvel
