#include "platform/linux/wake_helper_protocol.h"

#include <charconv>

namespace quorvel {
namespace {

std::optional<WakeTimerName> TimerFromText(std::string_view text)
{
    if (text == "pcwake") {
        return WakeTimerName::PcWake;
    }
    if (text == "waketest") {
        return WakeTimerName::WakeTest;
    }
    return std::nullopt;
}

// Plain decimal digits only: no sign, no blanks, no leading "+", within range.
std::optional<std::int64_t> SecondsFromText(std::string_view text)
{
    if (text.empty() || text.size() > 12) {
        return std::nullopt;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > kLargestWakeSeconds) {
        return std::nullopt;
    }
    return value;
}

// Splits off the first word; `rest` is what follows its one separating blank.
std::string_view TakeWord(std::string_view line, std::string_view& rest)
{
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos) {
        rest = {};
        return line;
    }
    rest = line.substr(blank + 1);
    return line.substr(0, blank);
}

}  // namespace

std::string_view WakeTimerText(WakeTimerName name)
{
    return name == WakeTimerName::PcWake ? "pcwake" : "waketest";
}

std::string FormatWakeHelperCommand(const WakeHelperCommand& command)
{
    const std::string timer(WakeTimerText(command.timer));
    switch (command.kind) {
        case WakeHelperCommand::Kind::ArmAt:
            return "arm " + timer + " " + std::to_string(command.seconds);
        case WakeHelperCommand::Kind::ArmAfter:
            return "after " + timer + " " + std::to_string(command.seconds);
        case WakeHelperCommand::Kind::Cancel:
            return "cancel " + timer;
        case WakeHelperCommand::Kind::Quit:
            break;
    }
    return "quit";
}

std::optional<WakeHelperCommand> ParseWakeHelperCommand(std::string_view line)
{
    if (line == "quit") {
        return WakeHelperCommand{};
    }
    std::string_view rest;
    const std::string_view verb = TakeWord(line, rest);
    std::string_view argument;
    const std::optional<WakeTimerName> timer = TimerFromText(TakeWord(rest, argument));
    if (!timer) {
        return std::nullopt;
    }
    if (verb == "cancel") {
        if (rest != WakeTimerText(*timer)) {
            return std::nullopt;
        }
        return WakeHelperCommand{WakeHelperCommand::Kind::Cancel, *timer, 0};
    }
    if (verb != "arm" && verb != "after") {
        return std::nullopt;
    }
    const std::optional<std::int64_t> seconds = SecondsFromText(argument);
    if (!seconds) {
        return std::nullopt;
    }
    const auto kind = verb == "arm" ? WakeHelperCommand::Kind::ArmAt : WakeHelperCommand::Kind::ArmAfter;
    return WakeHelperCommand{kind, *timer, *seconds};
}

std::string FormatWakeHelperReply(const WakeHelperReply& reply)
{
    switch (reply.kind) {
        case WakeHelperReply::Kind::ReadyWaking:
            return "ready alarm";
        case WakeHelperReply::Kind::ReadyNotWaking:
            return "ready realtime";
        case WakeHelperReply::Kind::Unavailable:
            return "unavailable " + reply.reason;
        case WakeHelperReply::Kind::Fired:
            return "fired " + std::string(WakeTimerText(reply.timer));
        case WakeHelperReply::Kind::Error:
            break;
    }
    return "error " + reply.reason;
}

std::optional<WakeHelperReply> ParseWakeHelperReply(std::string_view line)
{
    if (line == "ready alarm") {
        return WakeHelperReply{WakeHelperReply::Kind::ReadyWaking, WakeTimerName::PcWake, {}};
    }
    if (line == "ready realtime") {
        return WakeHelperReply{WakeHelperReply::Kind::ReadyNotWaking, WakeTimerName::PcWake, {}};
    }
    std::string_view rest;
    const std::string_view verb = TakeWord(line, rest);
    if (verb == "fired") {
        if (const std::optional<WakeTimerName> timer = TimerFromText(rest)) {
            return WakeHelperReply{WakeHelperReply::Kind::Fired, *timer, {}};
        }
        return std::nullopt;
    }
    if (verb == "unavailable" && !rest.empty()) {
        return WakeHelperReply{WakeHelperReply::Kind::Unavailable, WakeTimerName::PcWake, std::string(rest)};
    }
    if (verb == "error" && !rest.empty()) {
        return WakeHelperReply{WakeHelperReply::Kind::Error, WakeTimerName::PcWake, std::string(rest)};
    }
    return std::nullopt;
}

}  // namespace quorvel
