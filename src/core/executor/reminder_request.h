#pragma once

#include <string>

#include "core/executor/reminder_event.h"

namespace quorvel {

// Everything a reminder window is created with and keeps for its whole life.
struct ReminderRequest {
    ReminderEvent event = ReminderEvent::CloseMonitor;
    std::string target;      // program, file, process name, URL or macro file; empty otherwise
    std::string parameters;  // program parameters, OpenEXE only
    std::string title;       // the task's Title
    int countdown = 0;       // seconds; 0 waits for the user

    bool operator==(const ReminderRequest&) const = default;
};

}  // namespace quorvel
