#include "core/executor/event_action.h"

#include <optional>
#include <utility>
#include <vector>

#include "core/text/ascii_blanks.h"

namespace quorvel {
namespace {

ExecutorStep Plain(StepKind kind)
{
    ExecutorStep step;
    step.kind = kind;
    return step;
}

ExecutorStep OnTarget(StepKind kind, std::string target, std::string parameters = {})
{
    ExecutorStep step = Plain(kind);
    step.target = std::move(target);
    step.parameters = std::move(parameters);
    return step;
}

EventAction MacroAction(const std::string& file, const ExecutorSettings& settings)
{
    std::optional<std::vector<std::string>> lines;
    if (settings.loadMacro) {
        lines = settings.loadMacro(file);
    }
    if (!lines) {
        return EventAction{{}, false};
    }
    EventAction action;
    // Line 0 names the program the input is meant for; the replay itself skips it.
    const std::string_view program = lines->empty() ? std::string_view() : TrimBlanks(lines->front());
    if (!program.empty()) {
        action.steps.push_back(OnTarget(StepKind::StartProgram, std::string(program)));
    }
    ExecutorStep replay = OnTarget(StepKind::ReplayMacro, file);
    replay.lines = std::move(*lines);
    replay.leadIn = kScheduledMacroLeadIn;
    action.steps.push_back(std::move(replay));
    return action;
}

}  // namespace

EventAction PlanEventAction(ReminderEvent event, const std::string& target, const std::string& parameters,
                            const ExecutorSettings& settings)
{
    switch (event) {
        case ReminderEvent::CloseMonitor:
            return {{Plain(StepKind::TurnMonitorOff)}};
        case ReminderEvent::KillTask:
            return {{Plain(StepKind::EnableDebugPrivilege), OnTarget(StepKind::KillTask, target)}};
        case ReminderEvent::OpenEXE:
            if (target.empty()) {
                return {};  // a damaged value without "|" names no program
            }
            return {{OnTarget(StepKind::StartProgram, target, parameters)}};
        case ReminderEvent::LogOff:
            return {{Plain(StepKind::LogOffSession)}};
        case ReminderEvent::LockWS:
            return {{Plain(StepKind::LockDesktop)}};
        case ReminderEvent::Reboot:
            return {{Plain(StepKind::RestartSystemForced)}};
        case ReminderEvent::Open:
            return {{OnTarget(StepKind::ShellOpen, target)}};
        case ReminderEvent::Openhttp: {
            EventAction action;
            if (settings.autoConnect) {
                action.steps.push_back(Plain(StepKind::DialConnection));
            }
            action.steps.push_back(OnTarget(StepKind::ShellOpen, target));
            return action;
        }
        case ReminderEvent::Macro:
            return MacroAction(target, settings);
        case ReminderEvent::StandBy:
            return {{Plain(StepKind::StandBySoon)}};
        case ReminderEvent::Hibernate:
            return {{Plain(StepKind::HibernateSoon)}};
        case ReminderEvent::ShutDown:
            return {{Plain(StepKind::PowerOffSystemForced)}};
    }
    return {};
}

EventAction PlanReminderAction(const ReminderRequest& request, const ExecutorSettings& settings)
{
    return PlanEventAction(request.event, request.target, request.parameters, settings);
}

}  // namespace quorvel
