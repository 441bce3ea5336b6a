#include "core/executor/reminder_event.h"

namespace quorvel {

std::string_view ReminderEventKeyword(ReminderEvent event)
{
    switch (event) {
        case ReminderEvent::CloseMonitor:
            return "CloseMonitor";
        case ReminderEvent::KillTask:
            return "KillTask";
        case ReminderEvent::OpenEXE:
            return "OpenEXE";
        case ReminderEvent::LogOff:
            return "LogOff";
        case ReminderEvent::LockWS:
            return "LockWS";
        case ReminderEvent::Reboot:
            return "Reboot";
        case ReminderEvent::Open:
            return "Open";
        case ReminderEvent::Openhttp:
            return "Openhttp";
        case ReminderEvent::Macro:
            return "Macro";
        case ReminderEvent::StandBy:
            return "StandBy";
        case ReminderEvent::Hibernate:
            return "Hibernate";
        case ReminderEvent::ShutDown:
            return "ShutDown";
    }
    return {};
}

std::string_view ReminderEventDefaultText(ReminderEvent event)
{
    switch (event) {
        case ReminderEvent::CloseMonitor:
            return "Event: Close Monitor";
        case ReminderEvent::KillTask:
            return "Event: Close Program";
        case ReminderEvent::OpenEXE:
            return "Event: Open Program";
        case ReminderEvent::LogOff:
            return "Event: Log Off";
        case ReminderEvent::LockWS:
            return "Event: Lock Computer";
        case ReminderEvent::Reboot:
            return "Event: Restart";
        case ReminderEvent::Open:
        case ReminderEvent::Openhttp:
            return "Event: Open";
        case ReminderEvent::Macro:
            return "Macro:";
        case ReminderEvent::StandBy:
            return "Event: Stand By";
        case ReminderEvent::Hibernate:
            return "Event: Hibernate";
        case ReminderEvent::ShutDown:
            return "Event: Shut Down";
    }
    return {};
}

bool ReminderEventShowsTarget(ReminderEvent event)
{
    switch (event) {
        case ReminderEvent::KillTask:
        case ReminderEvent::OpenEXE:
        case ReminderEvent::Open:
        case ReminderEvent::Openhttp:
        case ReminderEvent::Macro:
            return true;
        default:
            return false;
    }
}

}  // namespace quorvel
