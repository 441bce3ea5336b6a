#include "core/executor/executor_step.h"

#include <cstdio>

namespace quorvel {
namespace {

std::string Escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

std::string Call(StepKind kind, std::initializer_list<std::string> arguments)
{
    std::string out(StepKindName(kind));
    if (arguments.size() == 0) {
        return out;
    }
    out += '(';
    bool first = true;
    for (const std::string& argument : arguments) {
        if (!first) {
            out += ", ";
        }
        out += Escaped(argument);
        first = false;
    }
    out += ')';
    return out;
}

}  // namespace

std::string_view StepKindName(StepKind kind)
{
    switch (kind) {
        case StepKind::StopTick:
            return "StopTick";
        case StepKind::TurnMonitorOff:
            return "TurnMonitorOff";
        case StepKind::EnableDebugPrivilege:
            return "EnableDebugPrivilege";
        case StepKind::KillTask:
            return "KillTask";
        case StepKind::StartProgram:
            return "StartProgram";
        case StepKind::LogOffSession:
            return "LogOffSession";
        case StepKind::MessageBeep:
            return "MessageBeep";
        case StepKind::ShowMessage:
            return "ShowMessage";
        case StepKind::LockDesktop:
            return "LockDesktop";
        case StepKind::RestartSystemForced:
            return "RestartSystemForced";
        case StepKind::ShellOpen:
            return "ShellOpen";
        case StepKind::DialConnection:
            return "DialConnection";
        case StepKind::ReplayMacro:
            return "ReplayMacro";
        case StepKind::StandBySoon:
            return "StandBySoon";
        case StepKind::HibernateSoon:
            return "HibernateSoon";
        case StepKind::PowerOffSystemForced:
            return "PowerOffSystemForced";
        case StepKind::OpenReminder:
            return "OpenReminder";
        case StepKind::RebuildSchedule:
            return "RebuildSchedule";
    }
    return "?";
}

std::string DescribeStep(const ExecutorStep& step)
{
    switch (step.kind) {
        case StepKind::KillTask:
        case StepKind::ShellOpen:
            return Call(step.kind, {step.target});
        case StepKind::StartProgram:
            return Call(step.kind, {step.target, step.parameters});
        case StepKind::ShowMessage:
            return Call(step.kind, {step.text});
        case StepKind::ReplayMacro:
            return Call(step.kind, {step.target, std::to_string(step.lines.size()) + " lines",
                                    std::to_string(step.leadIn.count()) + " ms"});
        case StepKind::OpenReminder: {
            const ReminderRequest& r = step.reminder;
            return Call(step.kind, {std::string(ReminderEventKeyword(r.event)), r.target, r.parameters,
                                    r.title, std::to_string(r.countdown)});
        }
        default:
            return Call(step.kind, {});
    }
}

}  // namespace quorvel
