#include "core/executor/task_actions.h"

#include "core/executor/action_value.h"
#include "core/tasks/task_fields.h"

namespace quorvel {
namespace {

bool Holds(const std::string& field, ActionKind kind)
{
    return field == ActionKeyword(kind);
}

}  // namespace

std::vector<TaskAction> TaskActionsInRunOrder(const TaskRecord& r)
{
    std::vector<TaskAction> actions;
    const auto add = [&actions](std::optional<ReminderEvent> event, std::string target = {},
                                std::string parameters = {}) {
        actions.push_back(TaskAction{event, std::move(target), std::move(parameters)});
    };
    // Keyword fields count only when they hold their exact keyword, the others when not empty.
    const bool shutDown = Holds(r.ShutDown, ActionKind::ShutDown);

    if (!r.MonitorOff.empty()) {
        add(ReminderEvent::CloseMonitor);
    }
    if (!r.CloseProgram.empty()) {
        add(ReminderEvent::KillTask, ActionValue(r.CloseProgram));
    }
    if (!r.RunProgram.empty()) {
        ProgramAndParameters program = SplitProgramValue(ActionValue(r.RunProgram));
        add(ReminderEvent::OpenEXE, std::move(program.program), std::move(program.parameters));
    }
    if (!r.LogOff.empty()) {
        add(ReminderEvent::LogOff);
    }
    if (!r.ShowMessage.empty()) {
        add(std::nullopt, ActionValue(r.ShowMessage));
    }
    if (Holds(r.LockComputer, ActionKind::LockComputer)) {
        add(ReminderEvent::LockWS);
    }
    if (!shutDown && Holds(r.Reboot, ActionKind::Reboot)) {
        add(ReminderEvent::Reboot);
    }
    if (!r.OpenFile.empty()) {
        add(ReminderEvent::Open, ActionValue(r.OpenFile));
    }
    if (!r.OpenUrl.empty()) {
        add(ReminderEvent::Openhttp, ActionValue(r.OpenUrl));
    }
    if (!r.Macro.empty()) {
        add(ReminderEvent::Macro, ActionValue(r.Macro));
    }
    if (Holds(r.Standby, ActionKind::Standby)) {
        add(ReminderEvent::StandBy);
    }
    if (Holds(r.Hibernate, ActionKind::Hibernate)) {
        add(ReminderEvent::Hibernate);
    }
    if (shutDown) {
        add(ReminderEvent::ShutDown);
    }
    return actions;
}

}  // namespace quorvel
