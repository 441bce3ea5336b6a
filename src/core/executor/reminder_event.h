#pragma once

#include <array>
#include <string_view>

namespace quorvel {

// The action a reminder announces. The names are the keywords the reminder window is created
// with; each keyword is also the language key of its event line.
enum class ReminderEvent {
    CloseMonitor,
    KillTask,
    OpenEXE,
    LogOff,
    LockWS,
    Reboot,
    Open,
    Openhttp,
    Macro,
    StandBy,
    Hibernate,
    ShutDown,
};

inline constexpr std::array<ReminderEvent, 12> kAllReminderEvents = {
    ReminderEvent::CloseMonitor, ReminderEvent::KillTask, ReminderEvent::OpenEXE,   ReminderEvent::LogOff,
    ReminderEvent::LockWS,       ReminderEvent::Reboot,   ReminderEvent::Open,      ReminderEvent::Openhttp,
    ReminderEvent::Macro,        ReminderEvent::StandBy,  ReminderEvent::Hibernate, ReminderEvent::ShutDown,
};

// "CloseMonitor", "KillTask", ...: the keyword and language key.
std::string_view ReminderEventKeyword(ReminderEvent event);

// The English event line, e.g. "Event: Close Program".
std::string_view ReminderEventDefaultText(ReminderEvent event);

// True for the events whose line ends with their target (program, file, process, URL, macro).
bool ReminderEventShowsTarget(ReminderEvent event);

}  // namespace quorvel
