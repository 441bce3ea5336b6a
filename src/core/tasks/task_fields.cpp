#include "core/tasks/task_fields.h"

#include <stdexcept>

namespace quorvel {
namespace {

// Field numbers of the weekday flags and of the first action in the line.
constexpr std::size_t kFirstWeekdayField = 4;
constexpr std::size_t kLastWeekdayField = 10;

}  // namespace

std::string_view ActionKeyword(ActionKind kind)
{
    switch (kind) {
        case ActionKind::MonitorOff:
            return "monitor";
        case ActionKind::ShutDown:
            return "Shutdown";
        case ActionKind::RunProgram:
            return "Run Program:";
        case ActionKind::ShowMessage:
            return "Show Message:";
        case ActionKind::Reboot:
            return "Reboot";
        case ActionKind::LockComputer:
            return "Lock Computer";
        case ActionKind::OpenFile:
            return "Open File:";
        case ActionKind::CloseProgram:
            return "Close Program:";
        case ActionKind::OpenUrl:
            return "Open URL:";
        case ActionKind::Standby:
            return "Standby";
        case ActionKind::Hibernate:
            return "Hibernate";
        case ActionKind::PowerOn:
            return "Power-on";
        case ActionKind::LogOff:
            return "logoff";
        case ActionKind::Macro:
            return "Macro:";
    }
    return {};
}

bool ActionHasParameter(ActionKind kind)
{
    const std::string_view keyword = ActionKeyword(kind);
    return !keyword.empty() && keyword.back() == ':';
}

std::string& ActionField(TaskRecord& record, ActionKind kind)
{
    return const_cast<std::string&>(ActionField(static_cast<const TaskRecord&>(record), kind));
}

const std::string& ActionField(const TaskRecord& record, ActionKind kind)
{
    switch (kind) {
        case ActionKind::MonitorOff:
            return record.MonitorOff;
        case ActionKind::ShutDown:
            return record.ShutDown;
        case ActionKind::RunProgram:
            return record.RunProgram;
        case ActionKind::ShowMessage:
            return record.ShowMessage;
        case ActionKind::Reboot:
            return record.Reboot;
        case ActionKind::LockComputer:
            return record.LockComputer;
        case ActionKind::OpenFile:
            return record.OpenFile;
        case ActionKind::CloseProgram:
            return record.CloseProgram;
        case ActionKind::OpenUrl:
            return record.OpenUrl;
        case ActionKind::Standby:
            return record.Standby;
        case ActionKind::Hibernate:
            return record.Hibernate;
        case ActionKind::PowerOn:
            return record.PowerOn;
        case ActionKind::LogOff:
            return record.LogOff;
        case ActionKind::Macro:
            return record.Macro;
    }
    throw std::out_of_range("unknown action kind");
}

std::string MakeActionField(ActionKind kind, std::string_view parameter)
{
    std::string field(ActionKeyword(kind));
    if (ActionHasParameter(kind)) {
        field += parameter;
    }
    return field;
}

std::string ActionParameter(std::string_view field)
{
    const auto colon = field.find(':');
    if (colon == std::string_view::npos) {
        return {};
    }
    return std::string(field.substr(colon + 1));
}

std::string& TaskFieldAt(TaskRecord& record, std::size_t number)
{
    return const_cast<std::string&>(TaskFieldAt(static_cast<const TaskRecord&>(record), number));
}

const std::string& TaskFieldAt(const TaskRecord& record, std::size_t number)
{
    if (number >= kFirstWeekdayField && number <= kLastWeekdayField) {
        return record.WeekdayFlags[number - kFirstWeekdayField];
    }
    switch (number) {
        case 1:
            return record.StartTime;
        case 2:
            return record.State;
        case 3:
            return record.RepeatCode;
        case 11:
            return record.MonitorOff;
        case 12:
            return record.ShutDown;
        case 13:
            return record.Countdown;
        case 14:
            return record.RunProgram;
        case 15:
            return record.ShowMessage;
        case 16:
            return record.Reboot;
        case 17:
            return record.LockComputer;
        case 18:
            return record.OpenFile;
        case 19:
            return record.CloseProgram;
        case 20:
            return record.OpenUrl;
        case 21:
            return record.Standby;
        case 22:
            return record.Hibernate;
        case 23:
            return record.PowerOn;
        case 24:
            return record.LogOff;
        case 25:
            return record.Macro;
        case 26:
            return record.Title;
        default:
            throw std::out_of_range("task field number out of range: " + std::to_string(number));
    }
}

}  // namespace quorvel
